#pragma once

#include <span>

namespace kuvel::test {

// Pearson's statistic of observed counts against the probabilities of their
// categories: the sum of (observed - expected)^2 / expected.
double chiSquare(std::span<const long long> observed, std::span<const double> probabilities);

// The chance of a statistic at least this large when the counts do follow the
// probabilities, for the given degrees of freedom.
double chiSquarePValue(double statistic, int degreesOfFreedom);

// Q(a, x) = Γ(a, x) / Γ(a), the regularized upper incomplete gamma function.
double regularizedUpperGamma(double a, double x);

}  // namespace kuvel::test
