// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include <QAccessible>
#include <QString>

namespace kuvel::ui {

// A part of a text in UTF-16 units, end excluded; {-1, -1} for none.
struct TextRange {
    int start = -1;
    int end = -1;
};

enum class Side { Before, At, After };

// The character, word (with the blanks after it), sentence or whole line at, before
// or after the offset. At the end of the text the last word, sentence or line is the
// one there, and no character is; before the first part and after the last there is
// an empty part at that end, and an offset outside the text has none. Qt 6.4's own
// answer loops for ever at the end of the text; this one stops at every end.
TextRange segment(const QString& text, int offset, QAccessible::TextBoundaryType boundary, Side side);

}  // namespace kuvel::ui
