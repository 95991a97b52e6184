// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Session.h"

#include "app/Translations.h"
#include "game/Messages.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <string>

namespace kuvel::test {
namespace {

using enum Control;

const std::string StakeHelp = english(kuvel::Message::StakeHelp);
const std::string TurnsHelp = english(kuvel::Message::TurnsHelp);
const std::string NegativeMoney = english(kuvel::Message::NegativeMoney);

std::vector<std::string> visibleWindows()
{
    std::vector<std::string> names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            names.push_back(w->objectName().toStdString());
    return names;
}

const std::vector<std::string> OnlyForm1{"Form1"}, OnlyForm2{"Form2"};
const BetState Start{100, 0, 50, "100", "0"};

struct Opening {
    const char* name;
    std::function<void(Session&)> before;
    bool opens;
};

void PrintTo(const Opening& o, std::ostream* out)
{
    *out << o.name;
}

class MakeABet : public testing::TestWithParam<Opening> {};

TEST_P(MakeABet, OpensTheDialogOnlyWhileTheBetShownIsZero)
{
    Session s;
    GetParam().before(s);
    const BetState before = s.betState();
    s.makeABet();
    EXPECT_EQ(s.betState(), before);
    EXPECT_TRUE(s.messages.messages.empty());
    if (!GetParam().opens) {
        EXPECT_EQ(visibleWindows(), OnlyForm1);
        return;
    }
    EXPECT_EQ(visibleWindows(), OnlyForm2);
    EXPECT_EQ(s.form2().focusWidget(), &child<QLineEdit>(s.form2(), "Text1"));
}

INSTANTIATE_TEST_SUITE_P(
    Bets, MakeABet,
    testing::Values(Opening{"AtStart", [](Session&) {}, true},
                    Opening{"ZeroWrittenAsZeroPointZero", [](Session& s) { s.form1().setText(Text5, "0.0"); }, true},
                    Opening{"AfterABetOfZero", [](Session& s) { s.placeBet("0", "5"); }, true},
                    Opening{"WhileABetOf10Stands", [](Session& s) { s.placeBet("10", "5"); }, false},
                    Opening{"WhileMinus50IsShown", [](Session& s) { s.form1().setText(Text5, "-50"); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BetDialog, OpensWithItsOwnTextsInTheBoxes)
{
    Session s;
    s.makeABet();
    EXPECT_EQ(s.form2().text(Text1), "Amount to Bet");
    EXPECT_EQ(s.form2().text(Text2), "Number of Turns");
}

TEST(BetDialog, AllInLeavesNoMoneyAndNoMessage)
{
    Session s;
    s.placeBet("100", "10");
    EXPECT_EQ(s.betState(), (BetState{0, 100, 10, "0", "100"}));
    EXPECT_TRUE(s.messages.messages.empty());
    EXPECT_EQ(visibleWindows(), OnlyForm1);
    EXPECT_FALSE(s.platform.endRequested());
}

// The C library reads and writes numbers in the named locale while this lives.
class NumericLocale {
public:
    explicit NumericLocale(const char* name) : set_(std::setlocale(LC_NUMERIC, name) != nullptr) {}
    ~NumericLocale() { std::setlocale(LC_NUMERIC, "C"); }
    NumericLocale(const NumericLocale&) = delete;
    NumericLocale& operator=(const NumericLocale&) = delete;
    bool isSet() const { return set_; }

private:
    bool set_;
};

struct Rounding {
    const char* typed;
    std::int16_t stake;
    const char* numbers = "C";
    const char* language = "en";
    const char* rarity = "What an exotic rarity!";  // how the turn's message starts
};

void PrintTo(const Rounding& r, std::ostream* out)
{
    *out << testing::PrintToString(std::string(r.typed)) << " in " << r.language;
}

class BetRounding : public testing::TestWithParam<Rounding> {};

// Halves go to the even neighbour; a pasted line break is a blank. A German player
// types the decimal comma; the displays show the same digits as in English.
TEST_P(BetRounding, TakesTheStakeAsTyped)
{
    const Rounding& r = GetParam();
    const NumericLocale numbers(r.numbers);
    ASSERT_TRUE(numbers.isSet()) << r.numbers << " is not generated on this machine (locale-gen)";
    const Translations translations({QString::fromLatin1(r.language)});
    Session s;
    s.placeBet(r.typed, "50");
    const std::string money = std::to_string(100 - r.stake), stake = std::to_string(r.stake);
    EXPECT_EQ(s.betState(), (BetState{static_cast<std::int16_t>(100 - r.stake), r.stake, 50, money, stake}));
    s.readyToGo({6, 2, 3, 4, 5, 1});
    EXPECT_EQ(displaysOf(s.form1()), (Displays{"1", "66", "5", money, stake, "623451"}));
    ASSERT_EQ(s.messages.messages.size(), 1u);
    EXPECT_TRUE(s.messages.texts()[0].starts_with(r.rarity)) << s.messages.texts()[0];
}

const char* const GermanRarity = "Was für eine exotische Seltenheit!";

INSTANTIATE_TEST_SUITE_P(Bets, BetRounding,
                         testing::Values(Rounding{" 2.5 ", 2}, Rounding{"3.5", 4}, Rounding{"10\n", 10},
                                         Rounding{"\r\n7\r\n", 7},
                                         Rounding{"2,5", 2, "de_DE.UTF-8", "de-DE", GermanRarity},
                                         Rounding{" 3,5 ", 4, "de_DE.UTF-8", "de-DE", GermanRarity}));

struct Refusal {
    const char* name;
    const char* stake;
    const char* turns;
    std::string_view message;
    const char* box;
};

void PrintTo(const Refusal& r, std::ostream* out)
{
    *out << r.name;
}

class BetRefused : public testing::TestWithParam<Refusal> {};

TEST_P(BetRefused, NothingChangesAndTheOffendingBoxIsSelectedForRetyping)
{
    Session s;
    const Refusal& r = GetParam();
    s.makeABet();
    s.answerDialog(r.stake, r.turns);

    ASSERT_EQ(s.messages.texts(), std::vector<std::string>{std::string(r.message)});
    EXPECT_EQ(s.messages.messages[0].parent, "Form2");
    EXPECT_EQ(s.betState(), Start);
    EXPECT_EQ(visibleWindows(), OnlyForm2);
    EXPECT_EQ(s.form2().text(Text1), r.stake);
    EXPECT_EQ(s.form2().text(Text2), r.turns);
    auto& box = child<QLineEdit>(s.form2(), r.box);
    EXPECT_EQ(s.form2().focusWidget(), &box);
    EXPECT_EQ(box.selectedText(), box.text());
    EXPECT_FALSE(s.platform.endRequested());

    s.answerDialog("10", "5");
    EXPECT_EQ(s.betState(), (BetState{90, 10, 5, "90", "10"}));
}

INSTANTIATE_TEST_SUITE_P(Bets, BetRefused,
                         testing::Values(Refusal{"InitialTexts", "Amount to Bet", "Number of Turns", StakeHelp,
                                                 "Text1"},
                                         Refusal{"EmptyStake", "", "50", StakeHelp, "Text1"},
                                         Refusal{"LettersForStake", "abc", "50", StakeHelp, "Text1"},
                                         Refusal{"StakeBeyond16Bits", "40000", "50", StakeHelp, "Text1"},
                                         Refusal{"NegativeStake", "-50", "50", StakeHelp, "Text1"},
                                         Refusal{"StakeAboveTheMoney", "101", "10", NegativeMoney, "Text1"},
                                         Refusal{"InitialTurnsText", "10", "Number of Turns", TurnsHelp, "Text2"},
                                         Refusal{"EmptyTurns", "10", "", TurnsHelp, "Text2"},
                                         Refusal{"LettersForTurns", "10", "abc", TurnsHelp, "Text2"},
                                         Refusal{"TurnsBeyond16Bits", "10", "40000", TurnsHelp, "Text2"},
                                         Refusal{"TurnsOneBeyond16Bits", "10", "32768", TurnsHelp, "Text2"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BetDialog, EnterInABoxDoesNotPressOK)
{
    Session s;
    s.makeABet();
    auto& stake = child<QLineEdit>(s.form2(), "Text1");
    stake.setText("10");
    QTest::keyClick(&stake, Qt::Key_Return);
    QTest::keyClick(&child<QLineEdit>(s.form2(), "Text2"), Qt::Key_Enter);
    EXPECT_EQ(s.betState(), Start);
    EXPECT_EQ(visibleWindows(), OnlyForm2);
}

TEST(BetDialog, SecondBetOpensWithThePreviousTexts)
{
    Session s;
    s.placeBet("10", "1");
    s.readyToGo({1, 2, 3, 4, 5, 6});
    ASSERT_EQ(s.shown("Text5"), "0");
    s.makeABet();
    EXPECT_EQ(visibleWindows(), OnlyForm2);
    EXPECT_EQ(s.form2().text(Text1), "10");
    EXPECT_EQ(s.form2().text(Text2), "1");
}

TEST(BetDialog, ABetOfZeroMidGameLeavesTheGameUnderWay)
{
    Session s;
    s.readyToGo({1, 2, 3, 4, 5, 6});
    s.placeBet("0", "5");
    EXPECT_EQ(displaysOf(s.form1()), (Displays{"1", "66", "5", "100", "0", "123456"}));
    EXPECT_EQ(s.module.TurnLimit, 5);
    s.makeABet();
    EXPECT_EQ(visibleWindows(), OnlyForm2);
}

TEST(Closing, Form2ByItsTitleBarIsACancel)
{
    Session s;
    s.makeABet();
    child<QLineEdit>(s.form2(), "Text1").setText("10");
    s.form2().focusAndSelect(Control::Text2);
    s.form2().close();
    EXPECT_EQ(visibleWindows(), OnlyForm1);
    EXPECT_EQ(s.form1().focusWidget(), &child<QPushButton>(s.form1(), "Command2"));
    EXPECT_EQ(s.betState(), Start);
    EXPECT_FALSE(s.platform.endRequested());
    s.makeABet();
    EXPECT_EQ(s.form2().text(Text1), "10");
    EXPECT_EQ(s.form2().focusWidget(), &child<QLineEdit>(s.form2(), "Text1"));
    EXPECT_EQ(child<QLineEdit>(s.form2(), "Text1").selectedText(), "10");
}

TEST(Closing, Form1EndsTheProgramAlsoWhileTheBetDialogExists)
{
    Session s;
    s.placeBet("10", "5");
    s.form1().close();
    EXPECT_TRUE(s.platform.endRequested());
    EXPECT_TRUE(visibleWindows().empty());
}

}  // namespace
}  // namespace kuvel::test
