// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Game.h"
#include "Outcomes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace kuvel::test {
namespace {

int noticesIn(const FakePlatform& p)
{
    const std::vector<std::string> texts = p.messageTexts();
    return static_cast<int>(std::count(texts.begin(), texts.end(), NoBetNotice));
}

// What the stage-1 reset is meant to leave: white combination labels and "0" counters.
bool frameIsReset(const FakeWindow& form1)
{
    for (Control label : CombinationLabels)
        if (form1.backColour(label) != White)
            return false;
    for (Control counter : Counters)
        if (form1.caption(counter) != "0")
            return false;
    return true;
}

TEST(TurnFrame, FirstPressWithoutABetShowsTheNoticeBeforeTheDiceAndTheTurnCount)
{
    Game g;
    bool resetWhenNoticeOpen = false;
    int flagWhenNoticeOpen = -1;
    g.p.onMessage = [&](const Message& m) {
        if (m.text == NoBetNotice) {
            resetWhenNoticeOpen = frameIsReset(g.p.form1);
            flagWhenNoticeOpen = g.m.NoBetNoticeShown;
        }
    };
    g.turn({1, 2, 3, 4, 5, 6});
    ASSERT_EQ(g.p.messages.size(), 2u);
    EXPECT_EQ(g.p.messages[0].text, NoBetNotice);
    EXPECT_EQ(g.p.messages[0].shown.dice, "######");
    EXPECT_EQ(g.p.messages[0].shown.T1, "0");
    EXPECT_TRUE(resetWhenNoticeOpen);
    EXPECT_EQ(g.p.messages[1].shown.dice, "123456");
    EXPECT_EQ(g.p.messages[1].text, Outcomes[10].message);
    EXPECT_EQ(g.form1().caption(T1), "1");
    EXPECT_EQ(g.m.TurnCount, 1);
    EXPECT_EQ(flagWhenNoticeOpen, 0) << "the flag is set once the notice is dismissed";
    EXPECT_EQ(g.m.NoBetNoticeShown, 1);
}

TEST(TurnFrame, NoNoticeOnLaterPressesNorInLaterGames)
{
    Game g;
    g.m.TurnLimit = 2;
    g.turns(7, AllDifferent);
    EXPECT_EQ(noticesIn(g.p), 1);
    EXPECT_EQ(g.p.messages.front().text, NoBetNotice);
}

TEST(TurnFrame, AGameWithoutABetAfterOneWithABetBringsTheNoticeOnItsFirstTurn)
{
    Game g;
    g.bet("10", "2");
    g.turns(2, AllDifferent);
    ASSERT_EQ(noticesIn(g.p), 0);
    ASSERT_EQ(g.form1().text(Text5), "0");

    bool resetWhenNoticeOpen = false;
    g.p.onMessage = [&](const Message& m) {
        if (m.text == NoBetNotice)
            resetWhenNoticeOpen = frameIsReset(g.p.form1);
    };
    g.newMessages();
    g.turns(2, SinglePair);
    const std::vector<std::string> shown = g.newMessages();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), NoBetNotice);
    EXPECT_EQ(noticesIn(g.p), 1);
    EXPECT_TRUE(resetWhenNoticeOpen) << "the last turn's black labels must be white before the notice";
}

struct BetShown {
    std::string text5;
    bool notice;
};

void PrintTo(const BetShown& b, std::ostream* out)
{
    *out << testing::PrintToString(b.text5) << (b.notice ? " notices" : " is a bet");
}

class NoBetNoticeFor : public testing::TestWithParam<BetShown> {};

TEST_P(NoBetNoticeFor, TheBetShownInText5)
{
    Game g;
    g.form1().setText(Text5, GetParam().text5);
    g.turn(AllDifferent);
    EXPECT_EQ(noticesIn(g.p), GetParam().notice ? 1 : 0);
    EXPECT_EQ(g.m.NoBetNoticeShown, GetParam().notice ? 1 : 0);
    EXPECT_EQ(g.form1().caption(T1), "1") << "the turn goes on either way";
}

INSTANTIATE_TEST_SUITE_P(TurnFrame, NoBetNoticeFor,
                         testing::Values(BetShown{"0", true}, BetShown{" 0 ", true}, BetShown{"0.0", true},
                                         BetShown{"10", false}, BetShown{"-50", false}, BetShown{"0.5", false}));

TEST(TurnFrame, T1CountsInPlainDigits)
{
    Game g;
    for (int turn = 1; turn <= 10; ++turn) {
        g.turn(SinglePair);
        EXPECT_EQ(g.form1().caption(T1), std::to_string(turn));
        EXPECT_EQ(g.m.TurnCount, turn);
    }
}

TEST(TurnFrame, The49thPressDoesNotSettleAndThe50thDoes)
{
    Game g;
    g.turns(49, AllDifferent);
    EXPECT_EQ(g.m.TurnCount, 49);
    EXPECT_EQ(g.form1().caption(T1), "49");
    EXPECT_EQ(g.p.messages.size(), 1u + 49u) << "the notice and one scoring message per turn";
    // 66 points a turn against the 5 a turn the computer starts with.
    EXPECT_EQ(g.p.summaries.back(), "Dice 1 2 3 4 5 6. Turn 49. You 3234, computer 245.");

    g.newMessages();
    g.turn(AllDifferent);
    const std::vector<std::string> shown = g.newMessages();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], Outcomes[10].message) << "the 50th press still scores its dice";
    EXPECT_EQ(shown[2], "REMEMBER TO BID");
    EXPECT_EQ(g.m.TurnCount, 0);
    EXPECT_EQ(g.form1().caption(T1), "0");
    EXPECT_EQ(g.p.summaries.back(), "Dice 1 2 3 4 5 6. Turn 50. You 3300, computer 250. Money 100, bet 0.")
        << "the game as played, not the board reset to zeros, then the money after the settlement";
    EXPECT_EQ(g.p.summaries.size(), 50u) << "said once a turn";
}

TEST(TurnFrame, T1AndTurnCountStopAt32767Together)
{
    Game g;
    g.m.TurnLimit = 32767;
    g.m.TurnCount = 32766;
    g.form1().setCaption(T1, "32766");
    g.form1().select(Option1);
    // A single pair against one computer point a turn: every turn ends in a tie, so
    // the game is never decided and keeps counting.
    for (int turn = 0; turn < 3; ++turn) {
        g.turn(SinglePair);
        EXPECT_EQ(g.m.TurnCount, 32767);
        EXPECT_EQ(g.form1().caption(T1), "32767");
    }
    EXPECT_FALSE(g.p.ended);
}

}  // namespace
}  // namespace kuvel::test
