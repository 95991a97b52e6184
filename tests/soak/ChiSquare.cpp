#include "ChiSquare.h"

#include <cmath>
#include <numeric>
#include <stdexcept>

namespace kuvel::test {

namespace {

constexpr double Epsilon = 1e-15;
constexpr double Tiny = 1e-300;
constexpr int MaxTerms = 1000;

// x^a e^-x / Γ(a), the factor both expansions share; in logarithms, so that it
// neither overflows nor underflows on the way.
double prefactor(double a, double x)
{
    return std::exp(a * std::log(x) - x - std::lgamma(a));
}

// P(a, x) by its power series, which converges fast for x < a + 1.
double lowerBySeries(double a, double x)
{
    double term = 1.0 / a;
    double sum = term;
    for (int n = 1; n < MaxTerms && std::fabs(term) > std::fabs(sum) * Epsilon; ++n) {
        term *= x / (a + n);
        sum += term;
    }
    return sum * prefactor(a, x);
}

// Q(a, x) by its continued fraction, evaluated by the modified Lentz method; it
// converges fast for x >= a + 1.
double upperByContinuedFraction(double a, double x)
{
    double b = x + 1.0 - a;
    double c = 1.0 / Tiny;
    double d = 1.0 / b;
    double h = d;
    for (int i = 1; i < MaxTerms; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        d = std::fabs(d) < Tiny ? Tiny : d;
        c = b + an / c;
        c = std::fabs(c) < Tiny ? Tiny : c;
        d = 1.0 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1.0) < Epsilon)
            break;
    }
    return h * prefactor(a, x);
}

}  // namespace

double regularizedUpperGamma(double a, double x)
{
    if (a <= 0.0 || x < 0.0)
        throw std::invalid_argument("regularizedUpperGamma needs a > 0 and x >= 0");
    if (x == 0.0)
        return 1.0;
    if (x < a + 1.0)
        return 1.0 - lowerBySeries(a, x);
    return upperByContinuedFraction(a, x);
}

double chiSquare(std::span<const long long> observed, std::span<const double> probabilities)
{
    if (observed.size() != probabilities.size())
        throw std::invalid_argument("one probability per category");
    const double total = static_cast<double>(std::accumulate(observed.begin(), observed.end(), 0LL));
    double statistic = 0.0;
    for (std::size_t i = 0; i < observed.size(); ++i) {
        const double expected = total * probabilities[i];
        const double difference = static_cast<double>(observed[i]) - expected;
        statistic += difference * difference / expected;
    }
    return statistic;
}

double chiSquarePValue(double statistic, int degreesOfFreedom)
{
    return regularizedUpperGamma(degreesOfFreedom / 2.0, statistic / 2.0);
}

}  // namespace kuvel::test
