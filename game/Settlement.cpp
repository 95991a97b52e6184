#include "Settlement.h"

#include "Int16.h"
#include "NumberText.h"

#include <array>

namespace kuvel {

namespace {

using enum Control;

constexpr std::array<int, 8> PointsPerTurn = {1, 2, 3, 5, 10, 20, 50, 100};

struct Tier {
    long long upperBound;  // the average may equal it; tier 1 is exactly 1
    std::string_view message;
};

constexpr std::array<Tier, 9> Tiers = {{
    {1, "Well, you won, but the computer didn't get many points. I'll give you your bet back, though."},
    {2, "Great! You won! The only problem is that...the computer got SO little points. I'll give you an extra 5% on your bet, though."},
    {3, "The computer got a few points. However, it was pretty easy, right? You'll get 25% more."},
    {5, "Apparently, you've bested the computer even though they got a deecent amount of points. I award you double your bet back."},
    {10, "They got lots of points, yet you still managed to win! You will get 5 times your bet for that."},
    {20, "If they got that many points, and you still won...I don't know what to say. Here's 10 times your bet."},
    {35, "You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!"},
    {50, "That computer racked up the points ALMOST as fast as you! I award you 25 times your bet."},
    {100, "Oh my. How could you win giving them that many points!? I'll just have to give you 50 times your bet."},
}};

// Tiers 4 to 9 pay this many times the bet on top of the money.
constexpr std::array<int, 10> BetFactor = {0, 0, 0, 0, 2, 5, 10, 15, 25, 50};

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
        m.Money = payout(tier, m.Money, m.Bet);
        platform.Form1().setText(Text4, integerToText(m.Money));
    }
    resetGame(m, platform.Form1());
    platform.message("REMEMBER TO BID");
}

void loss(Module1& m, Platform& platform)
{
    platform.message("I don't think you survived that.");
    resetGame(m, platform.Form1());
    platform.message("REMEMBER TO BET");
}

// A tie plays on until the totals differ, which they never will once both have
// stopped at the top of the range: without this the game could never end.
void drawnAtTheTop(Module1& m, Platform& platform)
{
    platform.message(DrawnAtTheTop);
    m.Money = saturated16(m.Money + m.Bet);
    platform.Form1().setText(Text4, integerToText(m.Money));
    resetGame(m, platform.Form1());
    platform.message("REMEMBER TO BID");
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

int payoutTier(int computerPoints, int turnCount)
{
    // Compared in whole numbers: average <= k exactly when points <= k * turns.
    const long long points = computerPoints;
    const long long turns = turnCount;
    if (points == turns)
        return 1;
    long long lowerBound = 1;
    for (std::size_t t = 1; t < Tiers.size(); ++t) {
        if (points > lowerBound * turns && points <= Tiers[t].upperBound * turns)
            return static_cast<int>(t) + 1;
        lowerBound = Tiers[t].upperBound;
    }
    return 0;
}

std::int16_t payout(int tier, std::int16_t money, std::int16_t bet)
{
    // Worked out in int, where nothing overflows; a payout past 32767 stops there.
    switch (tier) {
    case 0: return money;
    case 1: return saturated16(money + bet);
    case 2: return saturated16(money + bet + bet / 20);
    case 3: return saturated16(money + bet + bet / 4);
    default: return saturated16(BetFactor[tier] * bet + money);
    }
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
        platform.message("You lost! Better luck next time...");
        platform.endProgram();
    }
}

}  // namespace kuvel
