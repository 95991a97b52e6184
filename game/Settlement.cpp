// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Settlement.h"

#include "Int16.h"
#include "NumberText.h"

#include <array>
#include <cstdint>

namespace kuvel {

namespace {

using enum Control;

constexpr std::array<int, 8> PointsPerTurn = {1, 2, 3, 5, 10, 20, 50, 100};

struct Tier {
    long long upperBound;  // the average may equal it; the lowest tier is exactly its bound
    int percentOfBet;  // what a win adds to the money: 105 is the bet back and 5 % more
    Message message;
};

constexpr std::array<Tier, 9> Tiers = {{
    {1, 100, Message::Tier1},
    {2, 105, Message::Tier2},
    {3, 125, Message::Tier3},
    {5, 200, Message::Tier4},
    {10, 500, Message::Tier5},
    {20, 1000, Message::Tier6},
    {35, 1500, Message::Tier7},
    {50, 2500, Message::Tier8},
    {100, 5000, Message::Tier9},
}};

// Money after a win in the tier. Worked out in int, where nothing overflows; the
// fraction of a coin is dropped, and a payout past 32767 stops there.
std::int16_t payout(const Tier& tier, std::int16_t money, std::int16_t bet)
{
    return saturated16(money + bet * tier.percentOfBet / 100);
}

void resetGame(Module1& m, Window& form1)
{
    m.Bet = 0;
    form1.setText(Text5, "0");
    m.TurnCount = 0;
    form1.setCaption(T1, "0");
    m.PlayerPoints = 0;
    form1.setCaption(T2, "0");
    m.ComputerPoints = 0;
    form1.setCaption(T3, "0");
}

void win(Module1& m, Platform& platform)
{
    const int tier = payoutTier(m.ComputerPoints, m.TurnCount);
    if (tier != 0) {
        platform.message(Tiers[tier - 1].message);
        m.Money = payout(Tiers[tier - 1], m.Money, m.Bet);
        platform.Form1().setText(Text4, integerToText(m.Money));
    }
    resetGame(m, platform.Form1());
    platform.message(Message::RememberToBid);
}

void loss(Module1& m, Platform& platform)
{
    platform.message(Message::Lost);
    resetGame(m, platform.Form1());
    platform.message(Message::RememberToBet);
}

// A tie plays on until the totals differ, which they never will once both have
// stopped at the top of the range: without this the game could never end.
void drawnAtTheTop(Module1& m, Platform& platform)
{
    platform.message(Message::DrawnAtTheTop);
    m.Money = saturated16(m.Money + m.Bet);
    platform.Form1().setText(Text4, integerToText(m.Money));
    resetGame(m, platform.Form1());
    platform.message(Message::RememberToBid);
}

}  // namespace

void addComputerPoints(Module1& m, Window& form1)
{
    // Every button is looked at, without an else-chain; the window keeps one selected.
    for (int i = 0; i < 8; ++i) {
        if (form1.isSelected(option(i))) {
            m.ComputerPoints = saturated16(m.ComputerPoints + PointsPerTurn[i]);
            form1.setCaption(T3, integerToText(m.ComputerPoints));
        }
    }
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): points over turns, as an average is written
int payoutTier(int computerPoints, int turnCount)
{
    // Compared in whole numbers: average <= k exactly when points <= k * turns.
    const long long points = computerPoints;
    const long long turns = turnCount;
    for (std::size_t t = 0; t < Tiers.size(); ++t) {
        const bool aboveLower =
            t == 0 ? points >= Tiers[0].upperBound * turns : points > Tiers[t - 1].upperBound * turns;
        if (aboveLower && points <= Tiers[t].upperBound * turns)
            return static_cast<int>(t) + 1;
    }
    return 0;
}

void settleIfDue(Module1& m, Platform& platform)
{
    if (m.TurnCount < m.TurnLimit)
        return;
    if (m.PlayerPoints > m.ComputerPoints)
        win(m, platform);
    else if (m.ComputerPoints > m.PlayerPoints)
        loss(m, platform);
    else if (m.PlayerPoints == Int16Max)
        drawnAtTheTop(m, platform);
    if (m.Money == 0) {
        platform.message(Message::Bankrupt);
        platform.endProgram();
    }
}

}  // namespace kuvel
