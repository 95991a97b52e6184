// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Game.h"
#include "Outcomes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace kuvel::test {
namespace {

// "3+2+1" for three dice of one face, two of another and one of a third.
std::string patternOf(const std::vector<int>& faces)
{
    std::array<int, 7> perFace{};
    for (int face : faces)
        ++perFace[face];
    std::sort(perFace.begin(), perFace.end(), std::greater<>());
    std::string pattern;
    for (int n : perFace)
        if (n > 0)
            pattern += (pattern.empty() ? "" : "+") + std::to_string(n);
    return pattern;
}

std::string describe(const std::vector<int>& faces)
{
    std::string text;
    for (int face : faces)
        text += std::to_string(face);
    return "roll " + text;
}

const Outcome& outcomeOfPattern(const std::string& pattern)
{
    const auto* found =
        std::find_if(Outcomes.begin(), Outcomes.end(), [&](const Outcome& o) { return o.pattern == pattern; });
    if (found == Outcomes.end())
        throw std::logic_error("no outcome for the pattern " + pattern);
    return *found;
}

// Every ordered roll of six dice, played as a turn of its own through the real dice,
// counting and scoring; the counters are read back from Form1's labels.
TEST(ExhaustiveRolls, EveryRollMeetsExactlyOneRuleWithItsCountersAndPoints)
{
    Game g;
    std::map<std::string_view, int> rollsPerOutcome;
    std::vector<int> faces(6, 1);
    for (int n = 0; n < 46656; ++n) {
        for (int die = 0, rest = n; die < 6; ++die, rest /= 6)
            faces[die] = rest % 6 + 1;
        const Outcome& expected = outcomeOfPattern(patternOf(faces));
        g.m = {100, 10, 50, 0, 0, 0, 1};
        g.p.clearMessages();
        g.turn(faces);

        ASSERT_EQ(g.p.messages.size(), 1u) << describe(faces);
        const auto* met = std::find_if(Outcomes.begin(), Outcomes.end(),
                                       [&](const Outcome& o) { return o.message == g.p.messages[0].text; });
        ASSERT_NE(met, Outcomes.end()) << describe(faces) << ": " << g.p.messages[0].text;
        ++rollsPerOutcome[met->name];
        EXPECT_EQ(met->name, expected.name) << describe(faces);
        EXPECT_EQ(g.m.PlayerPoints, expected.points) << describe(faces);
        for (std::size_t c = 0; c < Counters.size(); ++c)
            EXPECT_EQ(g.form1().caption(Counters[c]), expected.counters[c]) << describe(faces);
    }
    EXPECT_EQ(g.p.dice.left(), 0u);
    for (const Outcome& outcome : Outcomes)
        EXPECT_EQ(rollsPerOutcome[outcome.name], outcome.orderedRolls) << outcome.name;
}

}  // namespace
}  // namespace kuvel::test
