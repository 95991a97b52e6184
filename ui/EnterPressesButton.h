// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

class QPushButton;
class QWidget;

namespace kuvel::ui {

// Enter and keypad Enter press whichever push button of the window has the focus,
// as Space does and as they do in the toolkit's own dialogs. Holding the key
// presses once: a box that the press opens is not dismissed by the key's repeats.
void letEnterPressButtons(QWidget& window);

// Enter, keypad Enter and Space on another control press this button, once however
// long the key is held, as they would on the button itself.
void letEnterAndSpacePress(QPushButton& button, QWidget& from);

}  // namespace kuvel::ui
