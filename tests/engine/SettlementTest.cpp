// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Game.h"
#include "game/Settlement.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace kuvel::test {
namespace {

using enum Control;

const std::array<std::string, 10> TierMessage = {
    "",
    "Well, you won, but the computer didn't get many points. I'll give you your bet back, though.",
    "Great! You won! The only problem is that...the computer got SO little points. I'll give you an extra 5% on your "
    "bet, though.",
    "The computer got a few points. However, it was pretty easy, right? You'll get 25% more.",
    "Apparently, you've bested the computer even though they got a deecent amount of points. I award you double your "
    "bet back.",
    "They got lots of points, yet you still managed to win! You will get 5 times your bet for that.",
    "If they got that many points, and you still won...I don't know what to say. Here's 10 times your bet.",
    "You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!",
    "That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.",
    "Oh my. How could you win giving them that many points!? I'll just have to give you 50 times your bet.",
};

// Form1 after a game reset, with the dice never rolled.
Displays resetDisplays(const std::string& money)
{
    return {"0", "0", "0", money, "0", "######"};
}

struct Ratio {
    int computerPoints;
    int turns;
    int tier;
};

void PrintTo(const Ratio& r, std::ostream* out)
{
    *out << r.computerPoints << " in " << r.turns << " turns";
}

class PayoutTier : public testing::TestWithParam<Ratio> {};

TEST_P(PayoutTier, OfTheComputersPointsPerTurn)
{
    EXPECT_EQ(payoutTier(GetParam().computerPoints, GetParam().turns), GetParam().tier);
}

// Each band is open below and closed above; tier 1 is exactly one point a turn.
INSTANTIATE_TEST_SUITE_P(Settlement, PayoutTier,
                         testing::Values(Ratio{60, 20, 3}, Ratio{61, 20, 4}, Ratio{100, 100, 1}, Ratio{101, 100, 2},
                                         Ratio{20, 20, 1}, Ratio{40, 20, 2}, Ratio{41, 20, 3}, Ratio{100, 20, 4},
                                         Ratio{101, 20, 5}, Ratio{200, 20, 5}, Ratio{201, 20, 6}, Ratio{400, 20, 6},
                                         Ratio{401, 20, 7}, Ratio{700, 20, 7}, Ratio{701, 20, 8}, Ratio{1000, 20, 8},
                                         Ratio{1001, 20, 9}, Ratio{2000, 20, 9}, Ratio{2001, 20, 0}, Ratio{19, 20, 0},
                                         Ratio{0, 1, 0}, Ratio{100, 1, 9}, Ratio{101, 1, 0}, Ratio{32766, 10922, 3},
                                         Ratio{32767, 10922, 4}, Ratio{32767, 328, 9}, Ratio{32767, 327, 0},
                                         Ratio{32767, 32767, 1}, Ratio{32766, 32767, 0}));

// A game on its last turn, won or lost by the points set here.
class SettlingTurn : public testing::Test {
protected:
    FakePlatform p;
    Module1 m = startValues();

    void lastTurnOf(int turns, int player, int computer, int money, int bet)
    {
        m.TurnCount = m.TurnLimit = static_cast<std::int16_t>(turns);
        m.PlayerPoints = static_cast<std::int16_t>(player);
        m.ComputerPoints = static_cast<std::int16_t>(computer);
        m.Money = static_cast<std::int16_t>(money);
        m.Bet = static_cast<std::int16_t>(bet);
        p.form1.setCaption(T1, std::to_string(turns));
        p.form1.setCaption(T2, std::to_string(player));
        p.form1.setCaption(T3, std::to_string(computer));
        p.form1.setText(Text4, std::to_string(money));
        p.form1.setText(Text5, std::to_string(bet));
        settleIfDue(m, p);
    }

    void expectGameReset()
    {
        EXPECT_EQ(m.Bet, 0);
        EXPECT_EQ(m.TurnCount, 0);
        EXPECT_EQ(m.PlayerPoints, 0);
        EXPECT_EQ(m.ComputerPoints, 0);
        EXPECT_EQ(displaysOf(p.form1), resetDisplays(std::to_string(m.Money)));
    }
};

struct Win {
    int tier;
    int computerPoints;  // over 20 turns
    int money;
    int bet;
    int moneyAfter;
};

void PrintTo(const Win& w, std::ostream* out)
{
    *out << "tier " << w.tier << " on " << w.money << " bet " << w.bet;
}

class Payout : public SettlingTurn, public testing::WithParamInterface<Win> {};

TEST_P(Payout, ShowsTheTierThenPaysThenResetsAndReminds)
{
    const Win& w = GetParam();
    lastTurnOf(20, 32000, w.computerPoints, w.money, w.bet);
    ASSERT_EQ(p.messageTexts(), (std::vector<std::string>{TierMessage[w.tier], "REMEMBER TO BID"}));
    EXPECT_EQ(p.messages[0].shown.Text4, std::to_string(w.money)) << "the balance before the payout";
    EXPECT_EQ(p.messages[1].shown, resetDisplays(std::to_string(w.moneyAfter)));
    EXPECT_EQ(m.Money, w.moneyAfter);
    expectGameReset();
    EXPECT_FALSE(p.ended);
}

INSTANTIATE_TEST_SUITE_P(Money70Bet30, Payout,
                         testing::Values(Win{1, 20, 70, 30, 100}, Win{2, 40, 70, 30, 101}, Win{3, 60, 70, 30, 107},
                                         Win{4, 100, 70, 30, 130}, Win{5, 200, 70, 30, 220}, Win{6, 400, 70, 30, 370},
                                         Win{7, 700, 70, 30, 520}, Win{8, 1000, 70, 30, 820},
                                         Win{9, 2000, 70, 30, 1570}));

INSTANTIATE_TEST_SUITE_P(BonusTruncated, Payout,
                         testing::Values(Win{2, 40, 0, 19, 19}, Win{2, 40, 0, 20, 21}, Win{3, 60, 0, 3, 3},
                                         Win{3, 60, 0, 4, 5}, Win{2, 40, 10, 39, 50}));

// A payout past 32767 stops there, and the rest of the settlement still happens.
INSTANTIATE_TEST_SUITE_P(Capped, Payout,
                         testing::Values(Win{9, 2000, 0, 656, 32767}, Win{9, 2000, 18, 655, 32767},
                                         Win{9, 2000, 17, 655, 32767}, Win{9, 2000, 32767, 32767, 32767},
                                         Win{1, 20, 32700, 100, 32767}, Win{3, 60, 32000, 700, 32767},
                                         Win{4, 100, 32000, 400, 32767}, Win{8, 1000, 100, 1400, 32767}));

TEST_F(SettlingTurn, AWinOutsideTheTiersPaysNothingButStillResets)
{
    lastTurnOf(20, 500, 19, 70, 30);
    EXPECT_EQ(p.messageTexts(), std::vector<std::string>{"REMEMBER TO BID"});
    EXPECT_EQ(m.Money, 70);
    expectGameReset();
}

TEST_F(SettlingTurn, ALossForfeitsTheStakeAndResets)
{
    lastTurnOf(50, 99, 100, 70, 30);
    EXPECT_EQ(p.messageTexts(), (std::vector<std::string>{"I don't think you survived that.", "REMEMBER TO BET"}));
    EXPECT_EQ(p.messages[0].shown.T2, "99") << "the game is reset after the first message";
    EXPECT_EQ(p.messages[1].shown, resetDisplays("70"));
    EXPECT_EQ(m.Money, 70);
    expectGameReset();
}

TEST_F(SettlingTurn, ATieDecidesNothing)
{
    lastTurnOf(50, 250, 250, 70, 30);
    EXPECT_TRUE(p.messages.empty());
    EXPECT_EQ(m.TurnCount, 50);
    EXPECT_EQ(m.Bet, 30);
    EXPECT_EQ(p.form1.caption(T1), "50");
}

TEST_F(SettlingTurn, ATieAtTheTopOfTheRangeIsDrawnAndGivesTheStakeBack)
{
    lastTurnOf(5000, 32767, 32767, 70, 30);
    ASSERT_EQ(p.messageTexts(), (std::vector<std::string>{std::string(DrawnAtTheTop), "REMEMBER TO BID"}));
    EXPECT_EQ(p.messages[0].shown.Text4, "70") << "the stake comes back after the message";
    EXPECT_EQ(p.messages[1].shown, resetDisplays("100"));
    EXPECT_EQ(m.Money, 100);
    expectGameReset();
}

TEST_F(SettlingTurn, ADrawAtTheTopWithNothingLeftEndsTheProgram)
{
    lastTurnOf(5000, 32767, 32767, 0, 0);
    EXPECT_EQ(p.messageTexts(),
              (std::vector<std::string>{std::string(DrawnAtTheTop), "REMEMBER TO BID", std::string(Bankrupt)}));
    EXPECT_TRUE(p.ended);
}

TEST_F(SettlingTurn, ATieJustBelowTheTopStillPlaysOn)
{
    lastTurnOf(5000, 32766, 32766, 70, 30);
    EXPECT_TRUE(p.messages.empty());
    EXPECT_EQ(m.Bet, 30);
}

TEST_F(SettlingTurn, NothingHappensBeforeTheLastTurn)
{
    m.TurnLimit = 50;
    m.TurnCount = 49;
    m.PlayerPoints = 1000;
    settleIfDue(m, p);
    EXPECT_TRUE(p.messages.empty());
    EXPECT_EQ(m.TurnCount, 49);
}

TEST_F(SettlingTurn, AWinWithoutAStakeShowsTheTierAndThenTheEndWhenNoMoneyIsLeft)
{
    lastTurnOf(20, 500, 100, 0, 0);
    EXPECT_EQ(p.messageTexts(), (std::vector<std::string>{TierMessage[4], "REMEMBER TO BID", std::string(Bankrupt)}));
    EXPECT_TRUE(p.ended);
}

TEST_F(SettlingTurn, OnlyExactlyNoMoneyEndsTheProgram)
{
    lastTurnOf(20, 10, 100, -1, 0);
    EXPECT_EQ(p.messageTexts(), (std::vector<std::string>{"I don't think you survived that.", "REMEMBER TO BET"}));
    EXPECT_FALSE(p.ended);
}

struct Handicap {
    Control option;
    int pointsPerTurn;
};

void PrintTo(const Handicap& h, std::ostream* out)
{
    *out << controlName(h.option);
}

class ComputerPoints : public testing::TestWithParam<Handicap> {};

TEST_P(ComputerPoints, EachTurnAddTheSelectedButtonsPoints)
{
    Game g;
    g.form1().select(GetParam().option);
    for (int turn = 1; turn <= 3; ++turn) {
        g.turn(SinglePair);
        EXPECT_EQ(g.m.ComputerPoints, turn * GetParam().pointsPerTurn);
        EXPECT_EQ(g.form1().caption(T3), std::to_string(turn * GetParam().pointsPerTurn));
    }
}

INSTANTIATE_TEST_SUITE_P(Settlement, ComputerPoints,
                         testing::Values(Handicap{Option1, 1}, Handicap{Option2, 2}, Handicap{Option3, 3},
                                         Handicap{Option4, 5}, Handicap{Option5, 10}, Handicap{Option6, 20},
                                         Handicap{Option7, 50}, Handicap{Option8, 100}));

TEST(Settlement, ThePointsBelongToTheButtonNotToItsCaption)
{
    Game g;
    g.form1().setCaption(Option8, "7");
    g.form1().select(Option8);
    g.turn(SinglePair);
    EXPECT_EQ(g.form1().caption(T3), "100");
}

TEST(Settlement, ChangingTheSelectionCountsFromTheNextTurn)
{
    Game g;
    g.bet("20", "20");
    g.form1().select(Option1);
    g.turns(10, AllDifferent);
    g.form1().select(Option3);
    g.turns(9, AllDifferent);
    g.newMessages();
    g.turn(AllDifferent);
    const std::vector<std::string> shown = g.newMessages();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1], TierMessage[2]) << "40 points over 20 turns is exactly 2 a turn";
    EXPECT_EQ(g.p.messages[g.p.messages.size() - 2].shown.T3, "40");
    EXPECT_EQ(g.m.Money, 80 + 20 + 1);
}

TEST(Settlement, ComputerPointsStopAt32767AndTheGameStillSettles)
{
    Game g;
    g.m.NoBetNoticeShown = 1;
    g.m.TurnCount = 400;
    g.m.TurnLimit = 402;
    g.m.ComputerPoints = 32667;
    g.form1().setCaption(T1, "400");
    g.form1().setCaption(T3, "32667");
    g.form1().select(Option8);
    g.turn(SinglePair);
    EXPECT_EQ(g.m.ComputerPoints, 32767);
    EXPECT_EQ(g.form1().caption(T3), "32767");

    g.newMessages();
    g.turn(SinglePair);
    const std::vector<std::string> shown = g.newMessages();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1], "I don't think you survived that.");
    EXPECT_EQ(g.p.messages[g.p.messages.size() - 2].shown.T3, "32767");
    EXPECT_EQ(g.m.ComputerPoints, 0);
}

}  // namespace
}  // namespace kuvel::test
