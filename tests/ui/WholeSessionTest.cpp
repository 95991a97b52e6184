// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Session.h"

#include <gtest/gtest.h>

namespace kuvel::test {
namespace {

// Bet, win a game, go all in on the next and lose it: the program ends after the
// loss, the reminder and the bankrupt message, in that order.
TEST(WholeSession, BetWinBetAllInLoseAndTheProgramEnds)
{
    Session s;
    s.placeBet("50", "2");
    s.readyToGo({1, 2, 3, 4, 5, 6});
    s.readyToGo({6, 5, 4, 3, 2, 1});
    EXPECT_EQ(s.betState(), (BetState{150, 0, 2, "150", "0"}));
    EXPECT_EQ(s.messages.texts().back(), "REMEMBER TO BID");
    s.messages.messages.clear();

    s.placeBet("150", "1");
    EXPECT_EQ(s.betState(), (BetState{0, 150, 1, "0", "150"}));
    s.messages.onMessage = [&](const ShownMessage& m) {
        EXPECT_FALSE(s.platform.endRequested()) << m.text;
        EXPECT_TRUE(s.form1().isVisible()) << m.text;
    };
    s.readyToGo({1, 1, 2, 3, 4, 5});

    EXPECT_EQ(s.messages.texts(),
              (std::vector<std::string>{"A single pair...could it get any worse? You get a point for that.",
                                        "I don't think you survived that.", "REMEMBER TO BET",
                                        "You lost! Better luck next time..."}));
    EXPECT_EQ(s.messages.messages[1].shown, (Displays{"1", "1", "5", "0", "150", "112345"}));
    EXPECT_EQ(s.messages.messages[2].shown, (Displays{"0", "0", "0", "0", "0", "112345"}));
    EXPECT_TRUE(s.platform.endRequested());
    EXPECT_FALSE(s.form1().isVisible());
    EXPECT_FALSE(s.form2().isVisible());
}

}  // namespace
}  // namespace kuvel::test
