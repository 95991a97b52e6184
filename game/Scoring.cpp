// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Scoring.h"

#include "Int16.h"
#include "Messages.h"
#include "NumberText.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

namespace kuvel {

namespace {

using enum Control;

// A counter the rule does not look at.
constexpr int Any = -1;

// The match counters, each named by the size of the group it counts.
constexpr std::array<Control, 5> Counters = {Label16, Label17, Label18, Label19, Label20};

// The combination labels from the highest down; a rule colours the labels from
// its highest one down to Label7.
constexpr std::array<Control, 5> CombinationLabels = {Label11, Label10, Label9, Label8, Label7};

enum class Paint { Highlights, Black };

struct Rule {
    std::array<int, 5> counters;  // the value each counter must show, in the order of Counters
    int points;
    Control highestLabel;
    Paint paint;
    Message message;
};

using enum Paint;
using enum Message;

// Together the rules cover every roll once. The counters count every group of
// equal dice, so a quad also counts four threes and six pairs; a rule looks only
// at the counters that tell its outcome apart.
constexpr std::array<Rule, 11> Rules = {{
    // sixes fives fours threes pairs
    {{1, Any, Any, Any, Any}, 1296, Label11, Highlights, Kuvel},
    {{0, 1, Any, Any, Any}, 216, Label10, Highlights, Quint},
    {{0, 0, 1, Any, 6}, 36, Label9, Highlights, Quad},
    {{0, 0, 1, Any, 7}, 37, Label9, Highlights, QuadAndPair},
    {{0, 0, 0, 1, 3}, 6, Label8, Highlights, Triple},
    {{0, 0, 0, 1, 4}, 7, Label8, Highlights, TripleAndPair},
    {{0, 0, 0, 2, Any}, 12, Label8, Highlights, TwoTriples},
    {{0, 0, 0, 0, 3}, 3, Label7, Highlights, ThreePairs},
    {{0, 0, 0, 0, 2}, 2, Label7, Highlights, TwoPairs},
    {{0, 0, 0, 0, 1}, 1, Label7, Highlights, OnePair},
    {{0, 0, 0, 0, 0}, 66, Label11, Black, AllDifferent},
}};

Rgb highlight(Control label)
{
    switch (label) {
    case Label11:
        return RGB(256, 0, 0);
    case Label10:
        return RGB(256, 64, 0);
    case Label9:
        return RGB(256, 128, 0);
    case Label8:
        return RGB(256, 192, 0);
    default:
        return RGB(256, 256, 0);
    }
}

// Reads the counters in order and stops at the first that does not match.
bool holds(const Rule& rule, const Window& form1)
{
    for (std::size_t i = 0; i < Counters.size(); ++i)
        if (rule.counters[i] != Any && textToDouble(form1.caption(Counters[i])) != rule.counters[i])
            return false;
    return true;
}

void colour(const Rule& rule, Window& form1)
{
    const auto* const highest = std::ranges::find(CombinationLabels, rule.highestLabel);
    for (Control label : std::span(highest, CombinationLabels.end()))
        form1.setBackColour(label, rule.paint == Black ? RGB(0, 0, 0) : highlight(label));
}

void award(const Rule& rule, Module1& m, Platform& platform)
{
    Window& form1 = platform.Form1();
    m.PlayerPoints = saturated16(m.PlayerPoints + rule.points);
    form1.setCaption(T2, integerToText(m.PlayerPoints));
    colour(rule, form1);
    platform.message(rule.message);
}

}  // namespace

void scoreRoll(Module1& m, Platform& platform)
{
    // No else-chain: every rule is tested, each reading its counters afresh.
    for (const Rule& rule : Rules)
        if (holds(rule, platform.Form1()))
            award(rule, m, platform);
}

}  // namespace kuvel
