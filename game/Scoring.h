// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "Module1.h"
#include "Platform.h"

namespace kuvel {

// Classifies the roll from the match counters into one of eleven outcomes, adds
// its points to PlayerPoints (stopping at 32767), shows the total in T2, colours
// the combination labels and announces the outcome.
void scoreRoll(Module1& m, Platform& platform);

}  // namespace kuvel
