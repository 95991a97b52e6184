// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

class QWidget;

namespace kuvel::ui {

// Enter and keypad Enter press whichever push button of the window has the focus,
// as Space does and as they do in the toolkit's own dialogs. Holding the key
// presses once: a box that the press opens is not dismissed by the key's repeats.
void letEnterPressButtons(QWidget& window);

}  // namespace kuvel::ui
