// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "Platform.h"

namespace kuvel {

// The face a random value in [0, 1) gives: 1 below 1/6, ..., 6 from 5/6 on.
int dieFace(float r);

// Six new faces into Label1 to Label6, die i from the i-th value drawn.
void rollDice(Platform& platform);

// The 57 tests of equal dice: every group of 2 to 6 dice whose captions are all
// equal adds 1 to the counter of its size (Label16 for six ... Label20 for two).
void countMatches(Window& form1);

}  // namespace kuvel
