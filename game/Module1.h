// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include <cstdint>

namespace kuvel {

// The seven game variables both windows share. One instance lives as long as the
// application and is handed to every handler; apart from the captions of Form1 it is
// the whole state of the game.
struct Module1 {
    std::int16_t Money = 0;
    std::int16_t Bet = 0;
    std::int16_t TurnLimit = 0;
    std::int16_t TurnCount = 0;
    std::int16_t PlayerPoints = 0;
    std::int16_t ComputerPoints = 0;
    std::int16_t NoBetNoticeShown = 0;

    bool operator==(const Module1&) const = default;
};

}  // namespace kuvel
