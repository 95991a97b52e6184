// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

class QKeySequence;
class QWidget;

namespace kuvel::ui {

// The key closes the window, exactly as the window manager's close button does, while
// the window itself is active: not while a message box over it has the keyboard. A held
// key closes once; its repeats do nothing, so holding Escape to dismiss a box does not
// go on to close the window under it.
void letKeyClose(QWidget& window, const QKeySequence& key);

}  // namespace kuvel::ui
