// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Outcomes.h"
#include "SoakPlayer.h"
#include "game/Rnd.h"

#include <gtest/gtest.h>

namespace kuvel::test {
namespace {

constexpr long long Turns = 20'000;
constexpr std::uint32_t Seed = 19860601;
constexpr std::uint32_t PlayerSeed = 424242;

// The program's generator with its top sixth cut off: a die never shows 6.
class NeverASix : public RandomSource {
public:
    NeverASix() { rnd_.seed(Seed); }
    void randomize() override {}
    float next() override { return rnd_.next() * (5.0f / 6.0f); }

private:
    Rnd rnd_;
};

TEST(Fairness, TheProgramsGeneratorFitsTheOddsOverTwentyThousandTurns)
{
    Rnd rnd;
    rnd.seed(Seed);
    const SoakResult r = soak(rnd, PlayerSeed, Turns);
    ASSERT_EQ(r.firstFailure, "");
    EXPECT_GT(r.outcomes.fit().p, 0.001);
}

TEST(Fairness, AGeneratorThatNeverRollsASixFailsTheFit)
{
    NeverASix broken;
    const SoakResult r = soak(broken, PlayerSeed, Turns);
    ASSERT_EQ(r.firstFailure, "");
    const OutcomeTally::Fit fit = r.outcomes.fit();
    RecordProperty("chi_square", std::to_string(fit.statistic));
    EXPECT_LT(fit.p, 0.001) << "chi-square " << fit.statistic;
}

// Outcome 0, six of a kind, comes 6 times in the 6^6 rolls: ten times that is far off.
TEST(Fairness, CountsInTheExactOddsFitPerfectlyAndTenTimesTheRarestOutcomeDoesNot)
{
    OutcomeTally exact;
    for (std::size_t outcome = 0; outcome < OutcomeTally::Count; ++outcome)
        for (int roll = 0; roll < Outcomes[outcome].orderedRolls; ++roll)
            exact.add(outcome);
    OutcomeTally skewed = exact;
    for (int roll = 0; roll < 9 * Outcomes[0].orderedRolls; ++roll)
        skewed.add(0);
    EXPECT_NEAR(exact.fit().statistic, 0.0, 1e-9);
    EXPECT_DOUBLE_EQ(exact.fit().p, 1.0);
    EXPECT_LT(skewed.fit().p, 1e-9);
}

}  // namespace
}  // namespace kuvel::test
