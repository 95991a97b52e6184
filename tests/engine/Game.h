// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "FakePlatform.h"
#include "Printers.h"
#include "game/Module1.h"

#include <ostream>
#include <string_view>
#include <vector>

namespace kuvel::test {

// One game against the in-memory platform, with the dice the test chooses.
struct Game {
    FakePlatform p;
    Module1 m = startValues();

    // One press of "Ready To Go" that rolls these faces.
    void turn(const std::vector<int>& faces);
    void turns(int count, const std::vector<int>& faces);
    // "Make a bet", then "OK" with these texts typed into the dialog.
    void bet(std::string_view stake, std::string_view turns);
    // The texts of the messages shown since the last call.
    std::vector<std::string> newMessages();

    FakeWindow& form1() { return p.form1; }

private:
    std::size_t seen_ = 0;
};

void PrintTo(const Displays& d, std::ostream* os);

// Rolls that score one outcome each, for turns whose outcome does not matter beyond its points.
inline const std::vector<int> SinglePair = {1, 1, 2, 3, 4, 5};  // 1 point
inline const std::vector<int> ThreePairs = {1, 1, 2, 2, 3, 3};  // 3 points
inline const std::vector<int> Triple = {2, 2, 2, 1, 3, 4};  // 6 points
inline const std::vector<int> AllDifferent = {1, 2, 3, 4, 5, 6};  // 66 points
inline const std::vector<int> SixOfAKind = {3, 3, 3, 3, 3, 3};  // 1296 points

inline constexpr std::string_view NoBetNotice = "Bet next time - this time I'll let you see what happens.";
inline constexpr std::string_view Bankrupt = "You lost! Better luck next time...";
inline constexpr std::string_view DrawnAtTheTop =
    "You and the computer both have 32767 points, the most there are, so nobody can win this game. "
    "You get your bet back.";
inline constexpr std::string_view StakeHelp =
    "Amount to Bet: please type a whole number from 0 up to your money, for example 10.";
inline constexpr std::string_view TurnsHelp =
    "Number of Turns: please type a whole number from -32768 up to 32767, for example 50.";
inline constexpr std::string_view NegativeMoney = "ERROR! You can't have negative money.";

}  // namespace kuvel::test
