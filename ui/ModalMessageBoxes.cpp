// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "ModalMessageBoxes.h"

#include "EnterPressesButton.h"
#include "MessageTextFirst.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace kuvel::ui {

void ModalMessageBoxes::show(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // Enter held down on "Ready To Go" must not also dismiss the boxes of the turn.
    letEnterPressButtons(box);
    putTheFocusOnTheText(box);
    box.exec();
}

}  // namespace kuvel::ui
