// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

class QLabel;
class QString;
class QWidget;

namespace kuvel::ui {

// Makes the label name the control for screen readers, as its buddy, and shows the
// text in it: a label with a buddy reads "&" as the mark of a shortcut key, so each
// "&" of the text is written as "&&", which shows and is read as one "&". Screen
// readers are given the text without its bidirectional marks.
void nameWithLabel(QLabel& label, QWidget& control, const QString& text);

}  // namespace kuvel::ui
