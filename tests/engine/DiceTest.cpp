// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "FakePlatform.h"
#include "Game.h"
#include "Outcomes.h"
#include "game/Dice.h"
#include "game/Rnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace kuvel::test {
namespace {

TEST(Dice, TheEndsAndTheMiddleOfTheGeneratorsRange)
{
    EXPECT_EQ(dieFace(0.0f), 1);
    EXPECT_EQ(dieFace(0.5f), 4);
    EXPECT_EQ(dieFace(std::nextafter(1.0f, 0.0f)), 6);
}

TEST(Dice, EachSixthOfTheRangeStartsTheNextFace)
{
    for (int k = 1; k <= 5; ++k) {
        SCOPED_TRACE("boundary " + std::to_string(k) + "/6");
        // The floats on either side of k/6; the product with 6 is exact in a double.
        float below = static_cast<float>(k) / 6.0f;
        if (static_cast<double>(below) * 6.0 >= k)
            below = std::nextafter(below, 0.0f);
        const float from = std::nextafter(below, 1.0f);
        EXPECT_EQ(dieFace(below), k);
        EXPECT_EQ(dieFace(from), k + 1);
    }
}

TEST(Dice, EveryValueTheGeneratorCanGiveIsAFaceFrom1To6)
{
    // The generator gives multiples of 2^-24 below 1; check it does, then every one of them.
    Rnd rnd;
    rnd.seed(20240611);
    for (int i = 0; i < 100000; ++i) {
        const float r = rnd.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ASSERT_EQ(std::ldexp(r, 24), std::trunc(std::ldexp(r, 24))) << r;
    }
    std::array<int, 8> facesSeen{};
    for (int k = 0; k < (1 << 24); ++k) {
        const int face = dieFace(std::ldexp(static_cast<float>(k), -24));
        ++facesSeen[std::clamp(face, 0, 7)];
    }
    EXPECT_EQ(facesSeen[0], 0);
    EXPECT_EQ(facesSeen[7], 0);
    for (int face = 1; face <= 6; ++face)
        EXPECT_NEAR(facesSeen[face], (1 << 24) / 6, 1) << "face " << face;
}

TEST(Dice, DieIGetsTheIthValueDrawn)
{
    FakePlatform p;
    p.dice.queueValues({0.99f, 0.0f, 0.5f, 0.2f, 0.7f, 0.4f, 0.1f});
    rollDice(p);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(p.form1.caption(dieLabel(i)), std::string(1, "614253"[i])) << "die " << i + 1;
    EXPECT_EQ(p.dice.left(), 1u) << "a roll draws exactly six values";
}

struct CountedRoll {
    std::array<std::string, 6> dice;
    std::array<std::string_view, 5> counters;
};

void PrintTo(const CountedRoll& r, std::ostream* out)
{
    *out << testing::PrintToString(r.dice);
}

class MatchCounting : public testing::TestWithParam<CountedRoll> {};

TEST_P(MatchCounting, FillsTheCountersFromTheCaptions)
{
    FakeWindow form1 = FakeWindow::form1();
    for (int i = 0; i < 6; ++i)
        form1.setCaption(dieLabel(i), GetParam().dice[i]);
    countMatches(form1);
    for (std::size_t c = 0; c < Counters.size(); ++c)
        EXPECT_EQ(form1.caption(Counters[c]), GetParam().counters[c]) << controlName(Counters[c]);
}

INSTANTIATE_TEST_SUITE_P(Dice, MatchCounting,
                         testing::Values(CountedRoll{{"3", "3", "3", "3", "3", "3"}, {"1", "6", "15", "20", "15"}},
                                         CountedRoll{{"6", "2", "4", "1", "5", "3"}, {"0", "0", "0", "0", "0"}},
                                         CountedRoll{{"5", "5", "2", "2", "2", "6"}, {"0", "0", "0", "1", "4"}},
                                         CountedRoll{{"4", "4", "4", "4", "1", "1"}, {"0", "0", "1", "4", "7"}},
                                         CountedRoll{{"6", "6", "1", "6", "6", "3"}, {"0", "0", "1", "4", "6"}},
                                         CountedRoll{{"2", "5", "2", "5", "2", "5"}, {"0", "0", "0", "2", "6"}},
                                         CountedRoll{{"1", "1", "2", "2", "3", "3"}, {"0", "0", "0", "0", "3"}},
                                         CountedRoll{{"1", "2", "3", "1", "2", "3"}, {"0", "0", "0", "0", "3"}},
                                         CountedRoll{{"1", "6", "6", "6", "6", "6"}, {"0", "1", "5", "10", "10"}},
                                         CountedRoll{{"#", "#", "#", "#", "#", "#"}, {"1", "6", "15", "20", "15"}},
                                         CountedRoll{{"1", "1.0", "1", "1", "1", "1"}, {"0", "1", "5", "10", "10"}}));

TEST(Dice, TwoSixOfAKindsInARowDoNotDoubleTheCounters)
{
    Game g;
    for (int turn = 0; turn < 2; ++turn) {
        g.turn(SixOfAKind);
        for (std::size_t c = 0; c < Counters.size(); ++c)
            EXPECT_EQ(g.form1().caption(Counters[c]), Outcomes[0].counters[c]) << "turn " << turn + 1;
    }
}

}  // namespace
}  // namespace kuvel::test
