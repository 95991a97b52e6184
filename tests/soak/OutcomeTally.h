// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace kuvel::test {

// How often each of the eleven outcomes was scored, told apart by its message, and
// how well that fits the exact odds of a fair roll.
class OutcomeTally {
public:
    static constexpr std::size_t Count = 11;

    // The outcome that this message announces, if it is a scoring message.
    static std::optional<std::size_t> outcomeOf(std::string_view message);
    // Of the 6^6 equally likely ordered rolls, the share that gives each outcome.
    static std::array<double, Count> exactOdds();

    void add(std::size_t outcome) { ++counts_[outcome]; }
    std::span<const long long> counts() const { return counts_; }

    struct Fit {
        double statistic;
        double p;  // 10 degrees of freedom
    };
    Fit fit() const;

private:
    std::array<long long, Count> counts_{};
};

}  // namespace kuvel::test
