// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

class QWidget;

namespace kuvel::ui {

// Qt mirrors layouts for a right-to-left language, but not controls placed at fixed
// pixel positions, as the forms' are. In a right-to-left window this moves each of
// the form's controls across it: one at x with width w to the form's width - x - w,
// but never past the form's left edge (the bet dialog's boxes are a pixel wider than
// the dialog). Text that stands at the left of its control stands at the right.
// A left-to-right window is left as it is.
void mirrorIfRightToLeft(QWidget& form);

}  // namespace kuvel::ui
