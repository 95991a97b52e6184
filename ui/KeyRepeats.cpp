// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "KeyRepeats.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace kuvel::ui {

namespace {

bool pressesOnce(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_Escape;
}

class UnmarkedKeyRepeats : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        // A copy that the accessibility bridge sends on once a screen reader has seen the
        // key carries no time, and says nothing of repeats.
        if (!pressesOnce(key.key()) || key.isAutoRepeat() || key.timestamp() == 0)
            return false;
        if (type == QEvent::KeyRelease) {
            releasedKey_ = key.key();
            releasedAt_ = key.timestamp();
            return false;
        }
        if (key.key() != releasedKey_ || key.timestamp() != releasedAt_)
            return false;
        // Accepted, the override keeps the press from a shortcut (Escape's in the bet
        // dialog), which Qt tries before the press reaches any widget.
        event->accept();
        return true;
    }

private:
    int releasedKey_ = 0;
    quint64 releasedAt_ = 0;
};

}  // namespace

void dropUnmarkedKeyRepeats(QCoreApplication& application)
{
    application.installEventFilter(new UnmarkedKeyRepeats(&application));
}

}  // namespace kuvel::ui
