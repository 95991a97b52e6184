// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Session.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace kuvel::test {
namespace {

const std::string Notice = "Bet next time - this time I'll let you see what happens.";
const std::string AllDifferent =
    "What an exotic rarity! All of your numbers are different - I'll give you 66 points for that!";

bool form2Exists()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "Form2")
            return true;
    return false;
}

TEST(Start, LoadHandlerRanOnceAndTheWindowShowsTheStartValues)
{
    Session s;
    EXPECT_EQ(s.module, startValues());
    EXPECT_EQ(s.dice.randomized, 1);
    EXPECT_EQ(displaysOf(s.form1()), (Displays{"0", "0", "0", "100", "0", "######"}));
    EXPECT_TRUE(child<QRadioButton>(s.form1(), "Option4").isChecked());
    EXPECT_FALSE(form2Exists());
}

TEST(FirstTurn, NoticeOpensBeforeTheDiceAndTheTurnCountThenTheTurnGoesOn)
{
    Session s;
    s.readyToGo({1, 2, 3, 4, 5, 6});
    ASSERT_EQ(s.messages.texts(), (std::vector<std::string>{Notice, AllDifferent}));
    EXPECT_EQ(s.messages.messages[0].shown.dice, "######");
    EXPECT_EQ(s.messages.messages[0].shown.T1, "0");
    EXPECT_EQ(s.messages.messages[0].parent, "Form1");
    EXPECT_EQ(s.shown("T1"), "1");
    EXPECT_EQ(s.module.TurnCount, 1);
    EXPECT_EQ(s.module.NoBetNoticeShown, 1);

    s.readyToGo({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(s.messages.texts().back(), AllDifferent);
    EXPECT_EQ(s.messages.messages.size(), 3u);
}

TEST(Turn, ScoringColoursTheCombinationLabelsAndTheNextTurnWhitensThem)
{
    Session s;
    auto colour = [&](const char* label) {
        QLabel& l = child<QLabel>(s.form1(), label);
        return l.palette().color(l.backgroundRole());
    };
    s.readyToGo({4, 4, 4, 4, 4, 4});
    EXPECT_EQ(colour("Label11"), QColor(255, 0, 0));
    EXPECT_EQ(colour("Label7"), QColor(255, 255, 0));
    EXPECT_EQ(s.shown("T2"), "1296");
    s.readyToGo({1, 1, 2, 3, 4, 5});
    EXPECT_EQ(colour("Label11"), QColor(255, 255, 255));
    EXPECT_EQ(colour("Label7"), QColor(255, 255, 0));
    EXPECT_FALSE(child<QLabel>(s.form1(), "Label20").isVisible());
    EXPECT_EQ(s.shown("Label20"), "1");
}

TEST(Turn, TheOptionSelectedAtTheTurnGivesTheComputerItsPoints)
{
    Session s;
    s.readyToGo({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(s.shown("T3"), "5");
    s.select("Option8");
    s.readyToGo({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(s.shown("T3"), "105");
    EXPECT_EQ(s.module.ComputerPoints, 105);
}

struct DefaultGame {
    const char* name;
    const char* stake;  // nullptr: played without a bet
    std::int16_t moneyAfter;
};

void PrintTo(const DefaultGame& g, std::ostream* out)
{
    *out << g.name;
}

std::string faces(const std::vector<int>& roll)
{
    std::string text;
    for (int face : roll)
        text += std::to_string(face);
    return text;
}

class DefaultGameTest : public testing::TestWithParam<DefaultGame> {};

// Fifty turns of all-different dice against "5": 3300 points to 250, an average of
// 5 per turn, which pays twice the bet.
TEST_P(DefaultGameTest, FiftyClicksEndInTheSettlementThatPaysTwiceTheBet)
{
    Session s;
    const char* stake = GetParam().stake;
    if (stake)
        s.placeBet(stake, "50");
    const std::string moneyBefore = s.shown("Text4");
    const std::vector<std::vector<int>> rolls = {{1, 2, 3, 4, 5, 6}, {6, 5, 4, 3, 2, 1}, {2, 4, 6, 1, 3, 5}};
    for (int turn = 1; turn <= 50; ++turn) {
        const std::vector<int>& roll = rolls[turn % rolls.size()];
        s.readyToGo(roll);
        const ShownMessage& scored = s.messages.messages[s.messages.messages.size() - (turn < 50 ? 1 : 3)];
        EXPECT_EQ(scored.text, AllDifferent);
        EXPECT_EQ(scored.shown.T1, std::to_string(turn));
        EXPECT_EQ(scored.shown.dice, faces(roll));
    }

    const std::vector<ShownMessage>& m = s.messages.messages;
    ASSERT_EQ(m.size(), stake ? 52u : 53u);
    EXPECT_EQ(m.front().text == Notice, stake == nullptr);
    const ShownMessage& tier = m[m.size() - 2];
    EXPECT_EQ(tier.text,
              "Apparently, you've bested the computer even though they got a deecent amount of points. "
              "I award you double your bet back.");
    // The money is paid once the tier's message has been dismissed.
    EXPECT_EQ(tier.shown, (Displays{"50", "3300", "250", moneyBefore, stake ? stake : "0", tier.shown.dice}));
    EXPECT_EQ(m.back().text, "REMEMBER TO BID");
    const std::string paid = std::to_string(GetParam().moneyAfter);
    EXPECT_EQ(m.back().shown, (Displays{"0", "0", "0", paid, "0", tier.shown.dice}));
    EXPECT_EQ(s.betState(), (BetState{GetParam().moneyAfter, 0, 50, paid, "0"}));
    EXPECT_EQ(s.module.TurnCount, 0);
    EXPECT_FALSE(s.platform.endRequested());
}

INSTANTIATE_TEST_SUITE_P(Games, DefaultGameTest,
                         testing::Values(DefaultGame{"WithoutABet", nullptr, 100}, DefaultGame{"Bet30", "30", 130}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kuvel::test
