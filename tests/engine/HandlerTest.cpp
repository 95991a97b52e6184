// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Game.h"
#include "Outcomes.h"
#include "game/Bet.h"
#include "game/Captions.h"
#include "game/Handler.h"
#include "game/Int16.h"
#include "game/NumberText.h"
#include "game/Turn.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kuvel::test {
namespace {

const std::string ReportHeading = "Kuvel met an error it cannot recover from and has to close.\n\n";
const std::string UnreadableBetReport = ReportHeading + "Type mismatch: \"abc\" is not a number";

// Runs the handler as the windows do, noting whether the end had been asked for
// when each message was shown.
template <typename Handler>
std::vector<bool> runNotingTheEnd(FakePlatform& p, Handler&& handler)
{
    std::vector<bool> endedAtMessage;
    p.onMessage = [&](const Message&) { endedAtMessage.push_back(p.ended); };
    EXPECT_NO_THROW(runHandler(p, handler));
    return endedAtMessage;
}

TEST(Handler, ATurnWithAnUnreadableBetIsReportedOnceAndEndsTheProgram)
{
    Game g;
    g.turn(Outcomes[0].roll);
    g.p.clearMessages();
    g.form1().setText(Text5, "abc");
    const std::vector<bool> ended = runNotingTheEnd(g.p, [&] { Form1_Command1_Click(g.m, g.p); });

    ASSERT_EQ(g.p.messages.size(), 1u);
    EXPECT_EQ(g.p.messages[0].text, UnreadableBetReport);
    EXPECT_EQ(ended, std::vector<bool>{false}) << "the report comes before the end";
    EXPECT_TRUE(g.p.ended);
    // The display reset before the bet is read stays; the dice and the count are not reached.
    for (Control label : CombinationLabels)
        EXPECT_EQ(g.form1().backColour(label), White) << controlName(label);
    for (Control counter : Counters)
        EXPECT_EQ(g.form1().caption(counter), "0");
    EXPECT_EQ(g.form1().caption(T1), "1");
    EXPECT_EQ(g.p.dice.left(), 0u);
}

TEST(Handler, MakeABetWithAnUnreadableBetIsReportedOnceAndEndsTheProgram)
{
    FakePlatform p;
    p.form1.setText(Text5, "abc");
    const std::vector<bool> ended = runNotingTheEnd(p, [&] { Form1_Command2_Click(p); });
    EXPECT_EQ(p.messageTexts(), std::vector<std::string>{UnreadableBetReport});
    EXPECT_EQ(ended, std::vector<bool>{false});
    EXPECT_TRUE(p.ended);
    EXPECT_TRUE(p.form1.visible());
}

TEST(Handler, AnyErrorIsReportedWithWhatWentWrong)
{
    FakePlatform p;
    runNotingTheEnd(p, [] { throw std::runtime_error("the disk is on fire"); });
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_NE(p.messages[0].text.find("the disk is on fire"), std::string::npos);
    EXPECT_TRUE(p.ended);
}

struct Fault {
    const char* name;
    std::function<void()> raise;
    std::string details;
};

void PrintTo(const Fault& f, std::ostream* out)
{
    *out << f.name;
}

class ErrorReport : public testing::TestWithParam<Fault> {};

TEST_P(ErrorReport, GivesTheDetailsInEnglishWithTheirValuesAsRead)
{
    FakePlatform p;
    runNotingTheEnd(p, GetParam().raise);
    EXPECT_EQ(p.messageTexts(), std::vector<std::string>{ReportHeading + GetParam().details});
}

INSTANTIATE_TEST_SUITE_P(
    Handler, ErrorReport,
    testing::Values(
        Fault{"NotANumber", [] { textToDouble("abc"); }, "Type mismatch: \"abc\" is not a number"},
        Fault{"PlaceholderAsRead", [] { textToDouble("%1%2"); }, "Type mismatch: \"%1%2\" is not a number"},
        Fault{"TooLarge", [] { textToDouble("1e999"); }, "Overflow: \"1e999\" is too large a number"},
        Fault{"OutsideInt16", [] { textToInteger("40000"); }, "Overflow: \"40000\" is outside -32768 to 32767"},
        Fault{"Int16Arithmetic", [] { checked16(-32769); }, "Overflow: -32769 does not fit in -32768 to 32767"},
        Fault{"NotFinite", [] { checkedFloat(HUGE_VAL, "the die formula"); }, "Floating-point error: the die formula"},
        Fault{"FromTheSystem", [] { throw std::runtime_error("the disk is on fire"); }, "the disk is on fire"}),
    testing::PrintToStringParamName());

TEST(Handler, AHandlerThatSucceedsShowsNothingAndGoesOn)
{
    Game g;
    g.p.queueFaces(AllDifferent);
    runNotingTheEnd(g.p, [&] { Form1_Command1_Click(g.m, g.p); });
    EXPECT_EQ(g.p.messages.size(), 2u) << "the notice and the scoring";
    EXPECT_FALSE(g.p.ended);
}

}  // namespace
}  // namespace kuvel::test
