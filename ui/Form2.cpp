// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Form2.h"

#include "CaptionFit.h"
#include "EnterPressesButton.h"
#include "Fonts.h"
#include "KeyClosesWindow.h"
#include "LineBreaksAsBlanks.h"
#include "RightToLeftGeometry.h"
#include "ui_Form2.h"

#include "game/Bet.h"
#include "game/Handler.h"

#include <QCloseEvent>
#include <QKeySequence>

namespace kuvel::ui {

Form2::Form2(Module1& module, Platform& platform) : FormWindow(platform), ui_(std::make_unique<Ui::Form2>())
{
    ui_->setupUi(this);
    mirrorIfRightToLeft(*this);
    auto* lineBreaksAsBlanks = new LineBreaksAsBlanks(this);
    for (QLineEdit* box : {ui_->Text1, ui_->Text2}) {
        setPointSize(*box, 13.5);
        box->setValidator(lineBreaksAsBlanks);
    }
    useFontsOfTheLanguage(*this);
    fitCaptions(*this);
    findControls();
    // Only OK itself: Enter in a box never takes the bet by surprise.
    letEnterPressButtons(*this);
    letKeyClose(*this, QKeySequence(Qt::Key_Escape));

    connect(ui_->Command1, &QPushButton::clicked, this, [this, &module, &platform] {
        runHandler(platform, [&] { Form2_Command1_Click(module, platform); });
        // OK hides the dialog once it has taken the bet; a refusal keeps it open.
        if (!isVisible())
            emit finished(true);
    });
}

Form2::~Form2() = default;

void Form2::showEvent(QShowEvent* event)
{
    // Selected, so that typing replaces the box's prompt or the previous stake.
    ui_->Text1->setFocus();
    ui_->Text1->selectAll();
    FormWindow::showEvent(event);
}

void Form2::closeEvent(QCloseEvent* event)
{
    platform().Form1().show();
    emit finished(false);
    event->accept();
}

}  // namespace kuvel::ui
