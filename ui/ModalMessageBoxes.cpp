// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "ModalMessageBoxes.h"

#include "BurmeseLines.h"
#include "EnterPressesButton.h"
#include "Fonts.h"
#include "MessageTextFirst.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace kuvel::ui {

namespace {

// Narrower than the half screen past which a message box wraps its text itself.
constexpr int BurmeseMessageWidth = 400;

}  // namespace

void ModalMessageBoxes::show(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    useFontsOfTheLanguage(box);
    box.setText(withBurmeseLinesBroken(text, QFontMetrics(box.font()), BurmeseMessageWidth));
    // Enter held down on "Ready To Go" must not also dismiss the boxes of the turn.
    letEnterPressButtons(box);
    putTheFocusOnTheText(box);
    box.exec();
}

}  // namespace kuvel::ui
