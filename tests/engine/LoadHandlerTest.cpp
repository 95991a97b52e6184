// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Game.h"
#include "game/LoadHandler.h"

#include <gtest/gtest.h>

namespace kuvel::test {
namespace {

TEST(LoadHandler, GivesTheGameVariablesTheirStartValues)
{
    FakePlatform p;
    Module1 m{-1, 7, 3, 12, 900, 400, 1};
    Form1_Load(m, p);
    EXPECT_EQ(m, (Module1{100, 0, 50, 0, 0, 0, 0}));
}

TEST(LoadHandler, SeedsTheGeneratorOnceAndWritesNoControl)
{
    FakePlatform p;
    const Displays before = displaysOf(p.form1);
    Module1 m;
    Form1_Load(m, p);
    EXPECT_EQ(p.dice.randomized, 1);
    EXPECT_EQ(displaysOf(p.form1), before);
    EXPECT_TRUE(p.messages.empty());
}

TEST(LoadHandler, NoTurnSeedsTheGeneratorAgain)
{
    Game g;
    Form1_Load(g.m, g.p);
    g.turns(3, AllDifferent);
    EXPECT_EQ(g.p.dice.randomized, 1);
}

}  // namespace
}  // namespace kuvel::test
