// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Form1.h"

#include "BuddyLabel.h"
#include "BurmeseLines.h"
#include "CaptionFit.h"
#include "CheckedOptionTabStop.h"
#include "EnterPressesButton.h"
#include "Fonts.h"
#include "KeyClosesWindow.h"
#include "RightToLeftGeometry.h"
#include "ui_Form1.h"

#include "game/Bet.h"
#include "game/Handler.h"
#include "game/Turn.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>

namespace kuvel::ui {

Form1::Form1(Module1& module, Platform& platform) : FormWindow(platform), ui_(std::make_unique<Ui::Form1>())
{
    ui_->setupUi(this);
    mirrorIfRightToLeft(*this);
    setPointSize(*ui_->Label15, 13.5);
    for (QLabel* value : {ui_->T1, ui_->T2, ui_->T3})
        setPointSize(*value, 9.75);
    useFontsOfTheLanguage(*this);
    ui_->Label15->setText(withBurmeseLinesBroken(ui_->Label15->text(), ui_->Label15->fontMetrics(),
                                                 ui_->Label15->contentsRect().width()));
    fitCaptions(*this);
    // Labels without a colour of their own show the control face, not the window's magenta.
    for (QLabel* label : {ui_->Label15, ui_->Label16, ui_->Label17, ui_->Label18, ui_->Label19, ui_->Label20,
                          ui_->Label21, ui_->Label22}) {
        label->setBackgroundRole(QPalette::Button);
        label->setAutoFillBackground(true);
    }
    // Hidden: the window shows the turn on the board already.
    // NOLINTNEXTLINE(cppcoreguidelines-prefer-member-initializer): made after the form, so it is the last child
    turnSummary_ = new QLabel(this);
    turnSummary_->setObjectName(QStringLiteral("turnSummary"));
    turnSummary_->hide();
    findControls();
    letEnterPressButtons(*this);
    keepTabStopOnCheckedOption(*this);
    letKeyClose(*this, QKeySequence::Quit);

    connect(ui_->Command1, &QPushButton::clicked, this, [this, &module, &platform] {
        // The last turn's summary goes, so that no message box of this one finds it stale.
        describeTurn({});
        runHandler(platform, [&] { Form1_Command1_Click(module, platform); });
    });
    connect(ui_->Command2, &QPushButton::clicked, this,
            [&platform] { runHandler(platform, [&] { Form1_Command2_Click(platform); }); });
    ui_->Command1->setFocus();
}

Form1::~Form1() = default;

void Form1::focusAfterBetDialog(bool betPlaced)
{
    (betPlaced ? ui_->Command1 : ui_->Command2)->setFocus();
}

void Form1::describeTurn(const QString& summary)
{
    nameWithLabel(*turnSummary_, *ui_->Command1, summary);
}

void Form1::closeEvent(QCloseEvent* event)
{
    platform().endProgram();
    event->accept();
}

}  // namespace kuvel::ui
