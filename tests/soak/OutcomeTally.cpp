// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "OutcomeTally.h"

#include "Outcomes.h"

#include <boost/math/distributions/chi_squared.hpp>

#include <numeric>

namespace kuvel::test {

static_assert(std::tuple_size_v<decltype(Outcomes)> == OutcomeTally::Count);

std::optional<std::size_t> OutcomeTally::outcomeOf(std::string_view message)
{
    for (std::size_t i = 0; i < Outcomes.size(); ++i)
        if (Outcomes[i].message == message)
            return i;
    return std::nullopt;
}

std::array<double, OutcomeTally::Count> OutcomeTally::exactOdds()
{
    constexpr double Rolls = 6.0 * 6 * 6 * 6 * 6 * 6;
    std::array<double, Count> odds{};
    for (std::size_t i = 0; i < Count; ++i)
        odds[i] = Outcomes[i].orderedRolls / Rolls;
    return odds;
}

// Pearson's statistic, the sum of (observed - expected)^2 / expected, and the
// chance of one at least as large from a fair roll.
OutcomeTally::Fit OutcomeTally::fit() const
{
    const std::array<double, Count> odds = exactOdds();
    const double total = static_cast<double>(std::accumulate(counts_.begin(), counts_.end(), 0LL));
    double statistic = 0.0;
    for (std::size_t i = 0; i < Count; ++i) {
        const double expected = total * odds[i];
        const double miss = static_cast<double>(counts_[i]) - expected;
        statistic += miss * miss / expected;
    }
    const boost::math::chi_squared distribution(static_cast<double>(Count - 1));
    return {statistic, cdf(complement(distribution, statistic))};
}

}  // namespace kuvel::test
