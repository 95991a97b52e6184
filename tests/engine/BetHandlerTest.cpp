// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Game.h"
#include "Printers.h"
#include "game/Bet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kuvel::test {
namespace {

using enum Control;

struct BetShown {
    std::string text5;
    bool opens;
};

void PrintTo(const BetShown& b, std::ostream* out)
{
    *out << testing::PrintToString(b.text5) << (b.opens ? " opens" : " stands");
}

class MakeABet : public testing::TestWithParam<BetShown> {};

TEST_P(MakeABet, OpensTheDialogOnlyWhileNoBetStands)
{
    FakePlatform p;
    p.form1.setText(Text5, GetParam().text5);
    Form1_Command2_Click(p);
    EXPECT_TRUE(p.messages.empty());
    if (GetParam().opens) {
        EXPECT_FALSE(p.form1.visible());
        ASSERT_TRUE(p.form2.has_value());
        EXPECT_TRUE(p.form2->visible());
        EXPECT_EQ(p.form2->text(Text1), "Amount to Bet");
        EXPECT_EQ(p.form2->text(Text2), "Number of Turns");
    } else {
        EXPECT_TRUE(p.form1.visible());
        EXPECT_FALSE(p.form2.has_value()) << "the dialog is not even created";
    }
}

INSTANTIATE_TEST_SUITE_P(BetHandler, MakeABet,
                         testing::Values(BetShown{"0", true}, BetShown{" 0 ", true}, BetShown{"0.0", true},
                                         BetShown{"10", false}, BetShown{"-50", false}, BetShown{"0.001", false}));

struct Accepted {
    std::string stake;
    std::string turns;
    int bet;
    int turnLimit;
};

void PrintTo(const Accepted& a, std::ostream* out)
{
    *out << testing::PrintToString(a.stake) << " for " << testing::PrintToString(a.turns);
}

class OkAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(OkAccepts, TheStakeAndTheTurns)
{
    Game g;
    g.bet(GetParam().stake, GetParam().turns);
    EXPECT_EQ(g.m.Bet, GetParam().bet);
    EXPECT_EQ(g.m.Money, 100 - GetParam().bet);
    EXPECT_EQ(g.m.TurnLimit, GetParam().turnLimit);
    EXPECT_EQ(g.form1().text(Text4), std::to_string(100 - GetParam().bet));
    EXPECT_EQ(g.form1().text(Text5), std::to_string(GetParam().bet));
    EXPECT_TRUE(g.form1().visible());
    EXPECT_FALSE(g.p.form2->visible());
    EXPECT_TRUE(g.p.messages.empty());
    EXPECT_FALSE(g.p.ended);
}

INSTANTIATE_TEST_SUITE_P(BetHandler, OkAccepts,
                         testing::Values(Accepted{"100", "10", 100, 10}, Accepted{" 2.5 ", "50", 2, 50},
                                         Accepted{"3.5", "50", 4, 50}, Accepted{"0", "50", 0, 50},
                                         Accepted{"10", "0", 10, 0}, Accepted{"10", "-3", 10, -3},
                                         Accepted{"+10", " 400 ", 10, 400}, Accepted{"10", "32767", 10, 32767},
                                         Accepted{"\u0661\u0660", "\uFF13", 10, 3}));

struct Refused {
    std::string stake;
    std::string turns;
    std::string_view message;
    Control box;
};

void PrintTo(const Refused& r, std::ostream* out)
{
    *out << testing::PrintToString(r.stake) << " for " << testing::PrintToString(r.turns);
}

class OkRefuses : public testing::TestWithParam<Refused> {};

TEST_P(OkRefuses, AndChangesNothing)
{
    Game g;
    g.turn(AllDifferent);
    Form1_Command2_Click(g.p);
    const Module1 before = g.m;
    const Displays displaysBefore = displaysOf(g.form1());
    g.newMessages();

    Window& form2 = g.p.Form2();
    form2.setText(Text1, GetParam().stake);
    form2.setText(Text2, GetParam().turns);
    Form2_Command1_Click(g.m, g.p);

    EXPECT_EQ(g.newMessages(), std::vector<std::string>{std::string(GetParam().message)});
    EXPECT_EQ(g.m, before);
    EXPECT_EQ(displaysOf(g.form1()), displaysBefore);
    EXPECT_FALSE(g.form1().visible());
    EXPECT_TRUE(g.p.form2->visible());
    EXPECT_EQ(g.p.form2->focused(), GetParam().box);
    EXPECT_EQ(form2.text(Text1), GetParam().stake) << "the typed text stays";
    EXPECT_EQ(form2.text(Text2), GetParam().turns);
    EXPECT_FALSE(g.p.ended);
}

INSTANTIATE_TEST_SUITE_P(
    BetHandler, OkRefuses,
    testing::Values(Refused{"Amount to Bet", "Number of Turns", StakeHelp, Text1}, Refused{"", "10", StakeHelp, Text1},
                    Refused{"abc", "10", StakeHelp, Text1}, Refused{"40000", "10", StakeHelp, Text1},
                    Refused{"-50", "10", StakeHelp, Text1}, Refused{"1e999", "10", StakeHelp, Text1},
                    Refused{"10", "Number of Turns", TurnsHelp, Text2}, Refused{"10", "abc", TurnsHelp, Text2},
                    Refused{"10", "40000", TurnsHelp, Text2}, Refused{"10", "", TurnsHelp, Text2},
                    Refused{"101", "10", NegativeMoney, Text1}, Refused{"\u0661\u0660", "\u2462", TurnsHelp, Text2}));

TEST(BetHandler, AfterARefusalTheCorrectedEntryIsTaken)
{
    Game g;
    g.bet("101", "10");
    ASSERT_EQ(g.newMessages(), std::vector<std::string>{std::string(NegativeMoney)});
    g.p.Form2().setText(Text1, "60");
    Form2_Command1_Click(g.m, g.p);
    EXPECT_EQ(g.m.Money, 40);
    EXPECT_EQ(g.m.Bet, 60);
    EXPECT_TRUE(g.form1().visible());
    EXPECT_FALSE(g.p.form2->visible());
}

TEST(BetHandler, NoTurnsOrFewerMakeTheNextTurnSettle)
{
    for (const char* turns : {"0", "-3"}) {
        SCOPED_TRACE(turns);
        Game g;
        g.bet("10", turns);
        g.turn(AllDifferent);
        EXPECT_EQ(g.newMessages().back(), "REMEMBER TO BID");
        EXPECT_EQ(g.m.TurnCount, 0);
        EXPECT_EQ(g.m.Money, 90 + 2 * 10);
    }
}

TEST(BetHandler, ABetOfNothingInTheMiddleOfAGameLeavesTheGameAlone)
{
    Game g;
    g.turns(3, Triple);
    const Displays before = displaysOf(g.form1());
    g.bet("0", "20");
    EXPECT_TRUE(g.form1().visible());
    EXPECT_EQ(displaysOf(g.form1()), before);
    EXPECT_EQ(g.m.TurnCount, 3);
    EXPECT_EQ(g.m.PlayerPoints, 18);
    EXPECT_EQ(g.m.ComputerPoints, 15);
    EXPECT_EQ(g.m.TurnLimit, 20);
    EXPECT_EQ(g.m.Money, 100);

    Form1_Command2_Click(g.p);
    EXPECT_TRUE(g.p.form2->visible()) << "a bet of 0 leaves the button usable";
}

TEST(BetHandler, WhileABetStandsTheButtonDoesNothingUntilTheGameIsDecided)
{
    Game g;
    g.bet("25", "2");
    Form1_Command2_Click(g.p);
    EXPECT_TRUE(g.form1().visible());
    EXPECT_FALSE(g.p.form2->visible());

    g.turns(2, AllDifferent);
    Form1_Command2_Click(g.p);
    EXPECT_FALSE(g.form1().visible());
    EXPECT_TRUE(g.p.form2->visible());
    EXPECT_EQ(g.p.form2->text(Text1), "25") << "the dialog keeps what was typed last";
    EXPECT_EQ(g.p.form2->text(Text2), "2");
}

}  // namespace
}  // namespace kuvel::test
