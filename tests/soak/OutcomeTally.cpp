#include "OutcomeTally.h"

#include "ChiSquare.h"
#include "Outcomes.h"

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

OutcomeTally::Fit OutcomeTally::fit() const
{
    const std::array<double, Count> odds = exactOdds();
    const double statistic = chiSquare(counts_, odds);
    return {statistic, chiSquarePValue(statistic, static_cast<int>(Count) - 1)};
}

}  // namespace kuvel::test
