// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

class QMessageBox;

namespace kuvel::ui {

// A message box opens with the focus on its text rather than on OK, so that a
// braille display shows the whole text, for as long as the box is open, where the
// player pans through it; a screen reader shows an alert's name alone. Enter,
// keypad Enter and Space on the text press OK, and Tab goes on to OK. The text
// names OK as its buddy, which tells a screen reader that it belongs to the button,
// not to the alert, so it is spoken once, as the focused text.
void putTheFocusOnTheText(QMessageBox& box);

}  // namespace kuvel::ui
