// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "Window.h"

namespace kuvel {

// Throws FloatingPointError when a floating-point result is not a finite number.
double checkedFloat(double value, const char* what);

// A caption that holds a number, read back and plus one: the turn display and the
// match counters are kept this way, as their captions.
double captionPlusOne(const Window& window, Control label);

}  // namespace kuvel
