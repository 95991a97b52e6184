// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Game.h"
#include "Outcomes.h"
#include "game/Turn.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kuvel::test {
namespace {

// Form1 as the turn sees it, noting every background colour set, in order.
class ColourLog : public Window {
public:
    explicit ColourLog(Window& form1) : form1_(form1) {}

    std::string caption(Control label) const override { return form1_.caption(label); }
    void setCaption(Control label, std::string_view text) override { form1_.setCaption(label, text); }
    bool sameCaption(Control a, Control b) const override { return form1_.sameCaption(a, b); }
    void setBackColour(Control label, Rgb colour) override
    {
        log.emplace_back(label, colour);
        form1_.setBackColour(label, colour);
    }
    std::string text(Control box) const override { return form1_.text(box); }
    void setText(Control box, std::string_view text) override { form1_.setText(box, text); }
    bool isSelected(Control option) const override { return form1_.isSelected(option); }
    void focusAndSelect(Control box) override { form1_.focusAndSelect(box); }
    void show() override { form1_.show(); }
    void hide() override { form1_.hide(); }

    std::vector<std::pair<Control, Rgb>> log;

private:
    Window& form1_;
};

class ColourLoggingPlatform : public FakePlatform {
public:
    Window& Form1() override { return colours; }
    ColourLog colours{form1};
};

// The colour each combination label should show once the outcome is scored.
std::vector<Rgb> expectedColours(const Outcome& outcome)
{
    std::vector<Rgb> colours;
    for (Control label : CombinationLabels) {
        const bool coloured =
            std::find(outcome.coloured.begin(), outcome.coloured.end(), label) != outcome.coloured.end();
        colours.push_back(!coloured ? White : outcome.black ? Black : highlightOf(label));
    }
    return colours;
}

std::vector<Rgb> coloursOf(const FakeWindow& form1)
{
    std::vector<Rgb> colours;
    for (Control label : CombinationLabels)
        colours.push_back(form1.backColour(label));
    return colours;
}

struct ScoredRoll {
    std::vector<int> faces;
    std::size_t outcome;
};

std::vector<ScoredRoll> scoredRolls()
{
    std::vector<ScoredRoll> rolls;
    for (std::size_t i = 0; i < Outcomes.size(); ++i)
        rolls.push_back({Outcomes[i].roll, i});
    // The same outcome from other orders of the same faces.
    rolls.push_back({{1, 2, 3, 1, 2, 3}, 7});
    rolls.push_back({{3, 3, 3, 6, 6, 6}, 6});
    rolls.push_back({{1, 2, 3, 4, 5, 6}, 10});
    rolls.push_back({{1, 5, 5, 5, 5, 5}, 1});
    return rolls;
}

void PrintTo(const ScoredRoll& r, std::ostream* out)
{
    *out << Outcomes[r.outcome].name;
    for (int face : r.faces)
        *out << face;
}

class Scoring : public testing::TestWithParam<ScoredRoll> {
protected:
    ColourLoggingPlatform p;
    Module1 m = startValues();

    void SetUp() override
    {
        p.form1.setText(Text5, "10");
        p.queueFaces(GetParam().faces);
        Form1_Command1_Click(m, p);
    }
    const Outcome& outcome() const { return Outcomes[GetParam().outcome]; }
};

TEST_P(Scoring, CountsTheMatchesOfTheRoll)
{
    for (std::size_t c = 0; c < Counters.size(); ++c)
        EXPECT_EQ(p.form1.caption(Counters[c]), outcome().counters[c]) << controlName(Counters[c]);
}

TEST_P(Scoring, AwardsTheOutcomesPointsOnceAndShowsThemInT2)
{
    EXPECT_EQ(m.PlayerPoints, outcome().points);
    EXPECT_EQ(p.form1.caption(T2), std::to_string(outcome().points));
}

TEST_P(Scoring, ShowsExactlyTheOutcomesMessage)
{
    ASSERT_EQ(p.messageTexts(), std::vector<std::string>{std::string(outcome().message)});
}

TEST_P(Scoring, ColoursItsLabelsHighestFirst)
{
    EXPECT_EQ(coloursOf(p.form1), expectedColours(outcome()));
    // The turn first whitens all five, then colours the outcome's labels in order.
    ASSERT_EQ(p.colours.log.size(), CombinationLabels.size() + outcome().coloured.size());
    for (std::size_t i = 0; i < outcome().coloured.size(); ++i)
        EXPECT_EQ(p.colours.log[CombinationLabels.size() + i].first, outcome().coloured[i]) << "colouring " << i;
}

INSTANTIATE_TEST_SUITE_P(Outcome, Scoring, testing::ValuesIn(scoredRolls()), testing::PrintToStringParamName());

TEST(ScoringSequence, AKuvelShowsPlainDigitsInT2AndACommaInTheMessage)
{
    Game g;
    g.form1().setText(Text5, "10");
    g.turn(SixOfAKind);
    ASSERT_EQ(g.p.messages.size(), 1u);
    EXPECT_NE(g.p.messages[0].text.find("1,296 points"), std::string::npos);
    EXPECT_EQ(g.p.messages[0].shown.T2, "1296");
}

TEST(ScoringSequence, WhileTheMessageIsOpenT2AndTheLabelsAreNewButT3IsNot)
{
    Game g;
    g.turn(SinglePair);
    ASSERT_EQ(g.form1().caption(T3), "5");
    std::vector<Rgb> coloursWhileOpen;
    g.p.onMessage = [&](const Message&) { coloursWhileOpen = coloursOf(g.p.form1); };
    g.newMessages();
    g.turn(Outcomes[2].roll);
    ASSERT_EQ(g.newMessages(), std::vector<std::string>{std::string(Outcomes[2].message)});
    const Displays& shown = g.p.messages.back().shown;
    EXPECT_EQ(shown.T2, "37");
    EXPECT_EQ(shown.T3, "5");
    EXPECT_EQ(coloursWhileOpen, expectedColours(Outcomes[2]));
    EXPECT_EQ(g.form1().caption(T3), "10");
}

struct TopOfRange {
    int pointsBefore;
    std::size_t outcome;
};

void PrintTo(const TopOfRange& r, std::ostream* out)
{
    *out << r.pointsBefore << "Plus" << Outcomes[r.outcome].name;
}

class ScoringAtTheTopOfTheRange : public testing::TestWithParam<TopOfRange> {};

// Each of these turns is the game's last, so it also shows the turn going on to the
// computer's points and the settlement.
TEST_P(ScoringAtTheTopOfTheRange, StopsAt32767AndTheTurnGoesOn)
{
    const Outcome& outcome = Outcomes[GetParam().outcome];
    Game g;
    g.m.NoBetNoticeShown = 1;
    g.m.TurnLimit = 1;
    g.m.PlayerPoints = static_cast<std::int16_t>(GetParam().pointsBefore);
    g.form1().setCaption(T2, std::to_string(GetParam().pointsBefore));
    std::vector<Rgb> coloursWhileOpen;
    g.p.onMessage = [&](const Message& m) {
        if (m.text == outcome.message)
            coloursWhileOpen = coloursOf(g.p.form1);
    };
    g.turn(outcome.roll);

    ASSERT_EQ(g.p.messages.size(), 3u);
    EXPECT_EQ(g.p.messages[0].text, outcome.message);
    EXPECT_EQ(g.p.messages[0].shown.T2, "32767");
    EXPECT_EQ(coloursWhileOpen, expectedColours(outcome));
    EXPECT_EQ(g.p.messages[1].shown.T3, "5") << "the computer's points are added";
    EXPECT_EQ(g.p.messages[2].text, "REMEMBER TO BID") << "and the game is settled";
    EXPECT_EQ(coloursOf(g.form1()), expectedColours(outcome));
}

std::vector<TopOfRange> topOfRange()
{
    std::vector<TopOfRange> rows = {{31471, 0}, {31472, 0}, {32766, 9}};
    for (std::size_t i = 0; i < Outcomes.size(); ++i)
        rows.push_back({32767, i});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Scoring, ScoringAtTheTopOfTheRange, testing::ValuesIn(topOfRange()),
                         testing::PrintToStringParamName());

}  // namespace
}  // namespace kuvel::test
