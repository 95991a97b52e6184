// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

class QWidget;

namespace kuvel::ui {

// The forms ask for "MS Sans Serif"; where it is missing a metric-compatible sans
// stands in. Must run before the first form is built.
void useFontSubstitutes();

// Designer forms hold whole point sizes only, so the fractional sizes (13.5, 9.75)
// are set here on top of the family the form asks for.
void setPointSize(QWidget& widget, double points);

}  // namespace kuvel::ui
