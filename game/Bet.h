// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "Module1.h"
#include "Platform.h"

namespace kuvel {

// Click of Command2 on Form1, "Make a bet": opens the bet dialog while no bet stands.
void Form1_Command2_Click(Platform& platform);

// Click of Command1 on Form2, "OK": takes the stake and the number of turns. Both
// boxes are checked before anything changes; an entry that cannot be taken is
// refused with a message and the dialog stays open on that box.
void Form2_Command1_Click(Module1& m, Platform& platform);

}  // namespace kuvel
