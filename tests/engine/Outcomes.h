// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "Printers.h"
#include "game/Colour.h"
#include "game/Control.h"

#include <array>
#include <string_view>
#include <vector>

namespace kuvel::test {

// clang-format off
// The eleven outcomes of a roll, as the player sees them.
struct Outcome {
    std::string_view name;
    std::string_view pattern;                   // dice per face that occurs, largest first
    std::vector<int> roll;                      // one roll of that pattern
    std::array<std::string_view, 5> counters;   // Label16 to Label20 after counting
    int points;
    std::vector<Control> coloured;              // in the order they are coloured
    bool black;                                 // all different: black instead of the highlights
    std::string_view message;
    int orderedRolls;                           // of the 6^6 ordered rolls, how many have the pattern
};

using enum Control;

inline const std::array<Outcome, 11> Outcomes = {{
    {"Kuvel", "6", {3, 3, 3, 3, 3, 3}, {"1", "6", "15", "20", "15"}, 1296,
     {Label11, Label10, Label9, Label8, Label7}, false,
     "Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!", 6},
    {"Quint", "5+1", {5, 5, 5, 1, 5, 5}, {"0", "1", "5", "10", "10"}, 216,
     {Label10, Label9, Label8, Label7}, false,
     "Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!", 180},
    {"Quad", "4+1+1", {6, 6, 1, 6, 6, 3}, {"0", "0", "1", "4", "6"}, 36,
     {Label9, Label8, Label7}, false,
     "Nice! A quad! For that I award you 36 points!", 1800},
    {"QuadAndPair", "4+2", {4, 4, 4, 4, 1, 1}, {"0", "0", "1", "4", "7"}, 37,
     {Label9, Label8, Label7}, false,
     "You not only got a quad, but an extra pair as well! I award you 37 points!", 450},
    {"Triple", "3+1+1+1", {2, 2, 2, 1, 3, 4}, {"0", "0", "0", "1", "3"}, 6,
     {Label8, Label7}, false,
     "A Triple isn't so bad - and it gives you six points as well!", 7200},
    {"TripleAndPair", "3+2+1", {5, 5, 2, 2, 2, 6}, {"0", "0", "0", "1", "4"}, 7,
     {Label8, Label7}, false,
     "A Triple - and do I see another pair? Seven points!", 7200},
    {"TwoTriples", "3+3", {2, 5, 2, 5, 2, 5}, {"0", "0", "0", "2", "6"}, 12,
     {Label8, Label7}, false,
     "Two triples - at the same time! I'll give you 12 points for that!", 300},
    {"ThreePairs", "2+2+2", {1, 1, 2, 2, 3, 3}, {"0", "0", "0", "0", "3"}, 3,
     {Label7}, false,
     "Three different pairs may not be noteworthy, but it still gives you three points.", 1800},
    {"TwoPairs", "2+2+1+1", {1, 1, 2, 2, 3, 4}, {"0", "0", "0", "0", "2"}, 2,
     {Label7}, false,
     "Two pairs...just enough for two points.", 16200},
    {"SinglePair", "2+1+1+1+1", {1, 1, 2, 3, 4, 5}, {"0", "0", "0", "0", "1"}, 1,
     {Label7}, false,
     "A single pair...could it get any worse? You get a point for that.", 10800},
    {"AllDifferent", "1+1+1+1+1+1", {6, 2, 4, 1, 5, 3}, {"0", "0", "0", "0", "0"}, 66,
     {Label11, Label10, Label9, Label8, Label7}, true,
     "What an exotic rarity! All of your numbers are different - I'll give you 66 points for that!", 720},
}};

inline constexpr std::array<Control, 5> CombinationLabels = {Label7, Label8, Label9, Label10, Label11};
inline constexpr std::array<Control, 5> Counters = {Label16, Label17, Label18, Label19, Label20};

// The colour a combination label shows when its combination is scored.
constexpr Rgb highlightOf(Control label)
{
    switch (label) {
    case Label11: return {255, 0, 0};
    case Label10: return {255, 64, 0};
    case Label9: return {255, 128, 0};
    case Label8: return {255, 192, 0};
    default: return {255, 255, 0};
    }
}

inline constexpr Rgb White = {255, 255, 255};
inline constexpr Rgb Black = {0, 0, 0};

// clang-format on

}  // namespace kuvel::test
