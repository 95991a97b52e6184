// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "BuddyLabel.h"

#include <QLabel>

namespace kuvel::ui {

namespace {

// Right-to-left translations wrap numbers in bidirectional marks, which keep "-32768"
// and "5 %" in order on screen. A braille display shows text in logical order anyway,
// and draws each mark as cells of its own (liblouis writes an isolate as an eight-cell
// escape), so what screen readers are given goes without them; the screen keeps them.
bool isBidiControl(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x200E || u == 0x200F || u == 0x061C || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

}  // namespace

void nameWithLabel(QLabel& label, QWidget& control, const QString& text)
{
    label.setBuddy(&control);
    label.setText(QString(text).replace(u'&', QStringLiteral("&&")));
    label.setAccessibleName(QString(text).removeIf(isBidiControl));
}

}  // namespace kuvel::ui
