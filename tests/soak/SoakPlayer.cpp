// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "SoakPlayer.h"

#include "FakePlatform.h"
#include "Game.h"
#include "game/Bet.h"
#include "game/Int16.h"
#include "game/LoadHandler.h"
#include "game/NumberText.h"
#include "game/Settlement.h"
#include "game/Turn.h"

#include <array>
#include <exception>
#include <memory>
#include <random>
#include <sstream>
#include <string_view>

namespace kuvel::test {

namespace {

using enum Control;

// The source under test without the load handler's seeding from the clock, so
// that a run can be repeated.
class Repeatable : public RandomSource {
public:
    explicit Repeatable(RandomSource& source) : source_(source) {}
    void randomize() override {}
    float next() override { return source_.next(); }

private:
    RandomSource& source_;
};

// Game lengths, weighted towards ordinary ones; 0 and -3 settle every turn, and
// 5000 turns runs the totals into their limit.
constexpr std::array<int, 12> GameLengths = {1, 2, 5, 10, 20, 50, 50, 100, 250, 0, -3, 5000};

class Soak {
public:
    Soak(RandomSource& dice, std::uint32_t playerSeed) : dice_(dice), choices_(playerSeed) {}

    SoakResult run(long long turns)
    {
        while (result_.turns < turns && result_.firstFailure.empty()) {
            if (!p_ || p_->ended)
                newSession();
            step();
        }
        return std::move(result_);
    }

private:
    void newSession()
    {
        p_ = std::make_unique<FakePlatform>(dice_);
        m_ = Module1{};
        Form1_Load(m_, *p_);
        ++result_.sessions;
    }

    void step()
    {
        if (chance(20))
            p_->form1.select(option(pick(0, 7)));
        const bool noBetStands = p_->form1.text(Text5) == "0";
        if (noBetStands && (m_.TurnCount == 0 ? !chance(10) : chance(100)))
            bet();
        turn();
    }

    void bet()
    {
        Form1_Command2_Click(*p_);
        check(!p_->form1.visible() && p_->form2->visible(), "\"Make a bet\" swaps the windows");
        if (chance(5))
            refusedEntry();
        const int stake = chooseStake();
        const int turns = GameLengths[pickIndex(GameLengths.size())];
        const Module1 before = m_;
        enter(integerToText(stake), integerToText(turns));
        ++result_.bets;
        check(m_.Bet == stake && m_.Money == before.Money - stake && m_.TurnLimit == turns,
              "an accepted bet takes the stake and the turns");
        check(p_->messages.empty() && p_->form1.visible() && !p_->form2->visible(),
              "an accepted bet shows Form1 again, without a message");
        checkDisplays();
    }

    int chooseStake()
    {
        switch (pick(0, 3)) {
        case 0:
            return 0;
        case 1:
            return m_.Money;  // all in
        default:
            return pick(0, m_.Money);
        }
    }

    // Something the dialog must turn down without changing anything.
    void refusedEntry()
    {
        const std::array<std::pair<std::string, std::string>, 7> entries = {{
            {"Amount to Bet", "10"},
            {"-5", "10"},
            {integerToText(m_.Money + 1), "10"},
            {"40000", "10"},
            {"", "10"},
            {"1", "Number of Turns"},
            {"1", "40000"},
        }};
        const auto& [stake, turns] = entries[pickIndex(entries.size())];
        const Module1 before = m_;
        const Displays shown = displaysOf(p_->form1);
        enter(stake, turns);
        ++result_.refusals;
        check(m_ == before && displaysOf(p_->form1) == shown, "a refused entry changes nothing");
        check(p_->messages.size() == 1 && !p_->form1.visible() && p_->form2->visible(),
              "a refused entry is explained and the dialog stays open");
    }

    void enter(const std::string& stake, const std::string& turns)
    {
        p_->clearMessages();
        p_->Form2().setText(Text1, stake);
        p_->Form2().setText(Text2, turns);
        guarded([&] { Form2_Command1_Click(m_, *p_); });
    }

    void turn()
    {
        p_->clearMessages();
        guarded([&] { Form1_Command1_Click(m_, *p_); });
        ++result_.turns;
        int scoring = 0;
        for (const Message& message : p_->messages) {
            if (const auto outcome = OutcomeTally::outcomeOf(message.text)) {
                result_.outcomes.add(*outcome);
                ++scoring;
            }
            if (message.text == DrawnAtTheTop)
                ++result_.drawnAtTheTop;
        }
        check(scoring == 1, "exactly one scoring message");
        check(m_.PlayerPoints != Int16Max || m_.ComputerPoints != Int16Max || m_.TurnCount < m_.TurnLimit,
              "a game tied at 32767 all does not play on for ever");
        check(m_.Money >= 0, "money never negative");
        check(m_.TurnCount >= 0 && m_.PlayerPoints >= 0 && m_.ComputerPoints >= 0, "totals within 0 to 32767");
        check(!p_->ended || (m_.Money == 0 && p_->messages.back().text == Bankrupt),
              "the program ends only for a player without money");
        checkDisplays();
    }

    void checkDisplays()
    {
        check(p_->form1.caption(T1) == integerToText(m_.TurnCount), "T1 shows TurnCount");
        check(p_->form1.caption(T2) == integerToText(m_.PlayerPoints), "T2 shows PlayerPoints");
        check(p_->form1.caption(T3) == integerToText(m_.ComputerPoints), "T3 shows ComputerPoints");
        check(p_->form1.text(Text4) == integerToText(m_.Money), "Text4 shows Money");
        check(p_->form1.text(Text5) == integerToText(m_.Bet), "Text5 shows Bet");
    }

    template <typename Handler>
    void guarded(Handler&& handler)
    {
        try {
            handler();
        } catch (const std::exception& error) {
            fail(std::string("a handler raised: ") + error.what());
        }
    }

    void check(bool holds, std::string_view what)
    {
        ++result_.checks;
        if (!holds)
            fail(what);
    }

    void fail(std::string_view what)
    {
        if (!result_.firstFailure.empty())
            return;
        std::ostringstream out;
        out << what << " (turn " << result_.turns << " of session " << result_.sessions << ": Money " << m_.Money
            << ", Bet " << m_.Bet << ", TurnLimit " << m_.TurnLimit << ", TurnCount " << m_.TurnCount
            << ", PlayerPoints " << m_.PlayerPoints << ", ComputerPoints " << m_.ComputerPoints << ")";
        result_.firstFailure = out.str();
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(choices_); }
    std::size_t pickIndex(std::size_t count) { return static_cast<std::size_t>(pick(0, static_cast<int>(count) - 1)); }
    bool chance(int oneIn) { return pick(1, oneIn) == 1; }

    Repeatable dice_;
    std::mt19937 choices_;
    std::unique_ptr<FakePlatform> p_;
    Module1 m_;
    SoakResult result_;
};

}  // namespace

SoakResult soak(RandomSource& dice, std::uint32_t playerSeed, long long turns)
{
    return Soak(dice, playerSeed).run(turns);
}

}  // namespace kuvel::test
