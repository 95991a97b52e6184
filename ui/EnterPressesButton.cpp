// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "EnterPressesButton.h"

#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace kuvel::ui {

namespace {

bool isEnter(const QKeyEvent& key)
{
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
        (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool isSpace(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Space && key.modifiers() == Qt::NoModifier;
}

// Presses a button on a key: the watched button itself, or the one it was made for.
// A held key presses once, so that it cannot go on to dismiss what the press opens.
class KeyPressesButton : public QObject {
public:
    KeyPressesButton(QObject* parent, QPushButton* button, bool (*pressing)(const QKeyEvent&))
        : QObject(parent),
          button_(button),
          pressing_(pressing)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* button = button_ != nullptr ? button_.data() : qobject_cast<QPushButton*>(watched);
        if (button == nullptr || event->type() != QEvent::KeyPress)
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (!pressing_(key))
            return false;
        if (!key.isAutoRepeat())
            button->click();
        return true;
    }

private:
    QPointer<QPushButton> button_;
    bool (*pressing_)(const QKeyEvent&);
};

bool isEnterOrSpace(const QKeyEvent& key)
{
    return isEnter(key) || isSpace(key);
}

}  // namespace

void letEnterPressButtons(QWidget& window)
{
    auto* watcher = new KeyPressesButton(&window, nullptr, isEnter);
    for (QPushButton* button : window.findChildren<QPushButton*>())
        button->installEventFilter(watcher);
}

void letEnterAndSpacePress(QPushButton& button, QWidget& from)
{
    from.installEventFilter(new KeyPressesButton(&from, &button, isEnterOrSpace));
}

}  // namespace kuvel::ui
