// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "SoakPlayer.h"
#include "game/Rnd.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace kuvel::test {
namespace {

TEST(Soak, AMillionTurnsKeepEveryInvariantAndFitTheOdds)
{
    Rnd rnd;
    rnd.seed(19860601);
    const SoakResult r = soak(rnd, 424242, 1'000'000);
    const OutcomeTally::Fit fit = r.outcomes.fit();
    std::printf("soak: %lld turns, %lld invariant checks, %lld sessions, %lld games drawn at 32767, %lld bets, "
                "%lld refused entries, chi-square %.3f with 10 degrees of freedom, p = %.4f\n",
                r.turns, r.checks, r.sessions, r.drawnAtTheTop, r.bets, r.refusals, fit.statistic, fit.p);
    ASSERT_EQ(r.firstFailure, "");
    EXPECT_EQ(r.turns, 1'000'000);
    EXPECT_GT(fit.p, 0.001);
}

}  // namespace
}  // namespace kuvel::test
