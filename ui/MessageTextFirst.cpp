// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "MessageTextFirst.h"

#include "BuddyLabel.h"
#include "EnterPressesButton.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace kuvel::ui {

void putTheFocusOnTheText(QMessageBox& box)
{
    auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* ok = qobject_cast<QPushButton*>(box.button(QMessageBox::Ok));
    if (text == nullptr || ok == nullptr)
        return;
    nameWithLabel(*text, *ok, text->text());
    text->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    text->setFocusPolicy(Qt::StrongFocus);
    letEnterAndSpacePress(*ok, *text);
    // Once shown: showing the box gives the focus to OK.
    QMetaObject::invokeMethod(text, qOverload<>(&QWidget::setFocus), Qt::QueuedConnection);
}

}  // namespace kuvel::ui
