// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "EnterPressesButton.h"

#include <QKeyEvent>
#include <QPushButton>

namespace kuvel::ui {

namespace {

bool isEnter(const QKeyEvent& key)
{
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Watches the buttons of one window, which owns it.
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button == nullptr || event->type() != QEvent::KeyPress)
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (!isEnter(key))
            return false;
        if (!key.isAutoRepeat())
            button->click();
        return true;
    }
};

}  // namespace

void letEnterPressButtons(QWidget& window)
{
    auto* watcher = new EnterPressesButton(&window);
    for (QPushButton* button : window.findChildren<QPushButton*>())
        button->installEventFilter(watcher);
}

}  // namespace kuvel::ui
