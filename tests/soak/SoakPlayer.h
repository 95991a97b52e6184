// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "OutcomeTally.h"
#include "game/RandomSource.h"

#include <cstdint>
#include <string>

namespace kuvel::test {

struct SoakResult {
    long long turns = 0;
    long long checks = 0;  // invariants checked, after every turn and every bet
    long long sessions = 0;  // a session ends when the money is gone
    long long drawnAtTheTop = 0;  // games tied with both totals at 32767, drawn
    long long bets = 0;  // entries the bet dialog took
    long long refusals = 0;  // entries it refused
    std::string firstFailure;  // empty while every check holds
    OutcomeTally outcomes;
};

// Plays this many turns headless against the in-memory windows, with the dice from
// `dice` and a player who, from its own seeded choices, changes the computer's
// points, bets nothing, some, everything or something the dialog must refuse, and
// picks short, long, zero and negative game lengths. A session whose money is gone
// ends, as the program would, and a fresh one starts. Stops at the first failed check.
SoakResult soak(RandomSource& dice, std::uint32_t playerSeed, long long turns);

}  // namespace kuvel::test
