#include "ChiSquare.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace kuvel::test {
namespace {

// Values on both sides of x = a + 1, where the series gives way to the continued fraction.
class PValueOfStatistic : public testing::TestWithParam<double> {};

// With 2 degrees of freedom the tail is exactly e^(-x/2).
TEST_P(PValueOfStatistic, TwoDegreesOfFreedomIsAnExponential)
{
    const double x = GetParam();
    EXPECT_NEAR(chiSquarePValue(x, 2), std::exp(-x / 2), 1e-12 * std::exp(-x / 2) + 1e-15);
}

// With 1 degree of freedom it is erfc(sqrt(x/2)).
TEST_P(PValueOfStatistic, OneDegreeOfFreedomIsTheComplementaryErrorFunction)
{
    const double x = GetParam();
    const double expected = std::erfc(std::sqrt(x / 2));
    EXPECT_NEAR(chiSquarePValue(x, 1), expected, 1e-12 * expected + 1e-15);
}

INSTANTIATE_TEST_SUITE_P(Statistics, PValueOfStatistic,
                         testing::Values(0.0, 0.01, 0.5, 1.0, 2.9, 3.0, 3.1, 3.9, 4.0, 4.1, 10.0, 50.0, 200.0));

struct Critical {
    double statistic;
    double p;
};

// The printed table of the chi-square distribution with 10 degrees of freedom,
// whose statistics are rounded to three decimals.
TEST(ChiSquarePValue, MatchesTheTableForTenDegreesOfFreedom)
{
    constexpr std::array<Critical, 6> table = {{
        {2.558, 0.99}, {4.865, 0.90}, {9.342, 0.50}, {18.307, 0.05}, {23.209, 0.01}, {29.588, 0.001},
    }};
    for (const Critical& c : table)
        EXPECT_NEAR(chiSquarePValue(c.statistic, 10), c.p, 0.002 * c.p) << "statistic " << c.statistic;
}

TEST(ChiSquare, IsZeroForCountsInTheExactProportionsAndAddsUpTheSquaredMisses)
{
    const std::array<long long, 3> exact = {25, 50, 25};
    const std::array<long long, 2> skewed = {10, 30};
    const std::array<double, 3> quarters = {0.25, 0.5, 0.25};
    const std::array<double, 2> halves = {0.5, 0.5};
    EXPECT_DOUBLE_EQ(chiSquare(exact, quarters), 0.0);
    EXPECT_DOUBLE_EQ(chiSquare(skewed, halves), 10.0);  // (10 - 20)^2 / 20 twice
}

}  // namespace
}  // namespace kuvel::test
