// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Game.h"
#include "Outcomes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kuvel::test {
namespace {

const std::string Tier4 = "Apparently, you've bested the computer even though they got a deecent amount of points. I "
                          "award you double your bet back.";

TEST(WholeGame, TheDefaultGameEndsAtTurn50InTier4)
{
    Game g;
    g.bet("30", "50");
    ASSERT_EQ(g.m.Money, 70);
    for (int turn = 1; turn <= 49; ++turn) {
        g.turn(AllDifferent);
        ASSERT_EQ(g.form1().caption(T3), std::to_string(5 * turn));
        ASSERT_EQ(g.newMessages().size(), 1u) << "turn " << turn << " only scores";
    }
    g.turn(AllDifferent);
    ASSERT_EQ(g.newMessages(), (std::vector<std::string>{std::string(Outcomes[10].message), Tier4, "REMEMBER TO BID"}));
    const Message& tier = g.p.messages[g.p.messages.size() - 2];
    EXPECT_EQ(tier.shown.T1, "50");
    EXPECT_EQ(tier.shown.T3, "250");
    EXPECT_EQ(tier.shown.Text4, "70") << "the tier is announced before the payout";
    EXPECT_EQ(g.p.messages.back().shown, (Displays{"0", "0", "0", "130", "0", "123456"}));
    EXPECT_EQ(g.m.Money, 70 + 2 * 30);
    EXPECT_EQ(g.m.Bet, 0);
}

TEST(WholeGame, ATieAfterTheLastTurnPlaysOnAndTheRatioCountsEveryTurn)
{
    Game g;
    g.bet("30", "50");
    g.turns(46, SinglePair);
    g.turns(3, AllDifferent);
    g.newMessages();
    g.turn(Triple);
    ASSERT_EQ(g.m.PlayerPoints, 250);
    ASSERT_EQ(g.m.ComputerPoints, 250);
    EXPECT_EQ(g.newMessages().size(), 1u) << "a tie shows nothing beyond the scoring";
    EXPECT_EQ(g.m.TurnCount, 50);
    EXPECT_EQ(g.form1().text(Text5), "30");

    g.turn(AllDifferent);
    ASSERT_EQ(g.newMessages(), (std::vector<std::string>{std::string(Outcomes[10].message), Tier4, "REMEMBER TO BID"}));
    EXPECT_EQ(g.p.messages[g.p.messages.size() - 2].shown.T1, "51");
    // 255 points over 51 turns is exactly 5 a turn; over 50 it would have paid five times the bet.
    EXPECT_EQ(g.m.Money, 70 + 2 * 30);
}

// Notes whether the end had been asked for when each message was shown.
std::vector<bool> endedAtEachMessage(Game& g)
{
    std::vector<bool> ended;
    g.p.onMessage = [&g, &ended](const Message&) { ended.push_back(g.p.ended); };
    g.turn(SinglePair);
    return ended;
}

TEST(WholeGame, LosingTheWholeBalanceShowsThreeMessagesAndThenEnds)
{
    Game g;
    g.bet("100", "1");
    ASSERT_EQ(g.m.Money, 0);
    const std::vector<bool> ended = endedAtEachMessage(g);
    EXPECT_EQ(g.newMessages(),
              (std::vector<std::string>{std::string(Outcomes[9].message), "I don't think you survived that.",
                                        "REMEMBER TO BET", std::string(Bankrupt)}));
    EXPECT_EQ(ended, std::vector<bool>(4, false));
    EXPECT_TRUE(g.p.ended);
    EXPECT_EQ(displaysOf(g.form1()), g.p.messages.back().shown) << "nothing changes after the last message";
}

TEST(WholeGame, ATieWithNoMoneyLeftShowsOnlyTheBankruptMessage)
{
    Game g;
    g.bet("100", "1");
    g.form1().select(Option1);
    const std::vector<bool> ended = endedAtEachMessage(g);
    EXPECT_EQ(g.newMessages(), (std::vector<std::string>{std::string(Outcomes[9].message), std::string(Bankrupt)}));
    EXPECT_EQ(ended, std::vector<bool>(2, false));
    EXPECT_TRUE(g.p.ended);
    EXPECT_EQ(g.form1().caption(T1), "1") << "a tie resets nothing";
    EXPECT_EQ(g.form1().text(Text5), "100");
}

TEST(WholeGame, ASecondGameStartsFromTheResetWithTheSameLengthAndHandicap)
{
    Game g;
    g.bet("10", "3");
    g.form1().select(Option2);
    g.turns(3, AllDifferent);
    ASSERT_EQ(g.m.Money, 90 + 10 + 10 / 20);
    g.newMessages();
    g.turns(3, SinglePair);
    EXPECT_EQ(g.newMessages().back(), "REMEMBER TO BET");
    EXPECT_EQ(g.p.messages[g.p.messages.size() - 2].shown.T3, "6");
    EXPECT_EQ(g.m.Money, 100);
}

}  // namespace
}  // namespace kuvel::test
