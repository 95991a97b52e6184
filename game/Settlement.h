// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "Module1.h"
#include "Platform.h"

namespace kuvel {

// Each selected option button adds its points per turn (1, 2, 3, 5, 10, 20, 50,
// 100) to ComputerPoints, which stops at 32767; T3 then shows the total.
void addComputerPoints(Module1& m, Window& form1);

// The payout tier of a won game: 1 to 9 by the computer's average points per turn,
// ComputerPoints / TurnCount, or 0 when the average is below 1 or above 100.
// TurnCount is at least 1.
int payoutTier(int computerPoints, int turnCount);

// When the game's last turn has been played: pays a win, forfeits a loss, resets
// the game, and ends the program when the player has no money left. A tie plays
// on, except at 32767 all, where it is drawn and the stake given back.
void settleIfDue(Module1& m, Platform& platform);

}  // namespace kuvel
