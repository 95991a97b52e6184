// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "KeyClosesWindow.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace kuvel::ui {

void letKeyClose(QWidget& window, const QKeySequence& key)
{
    auto* shortcut = new QShortcut(key, &window, &window, &QWidget::close, Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
}

}  // namespace kuvel::ui
