// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "game/Errors.h"
#include "game/Int16.h"

#include <gtest/gtest.h>

namespace kuvel::test {
namespace {

TEST(Int16, CheckedArithmeticHoldsTheWholeRange)
{
    EXPECT_EQ(checked16(32767), 32767);
    EXPECT_EQ(checked16(-32768), -32768);
    EXPECT_EQ(checked16(32766 + 1), 32767);
}

TEST(Int16, CheckedArithmeticOverflowsJustOutsideTheRange)
{
    EXPECT_THROW(checked16(32767 + 1), Overflow);
    EXPECT_THROW(checked16(-32768 - 1), Overflow);
    EXPECT_THROW(checked16(50LL * 656), Overflow);
}

TEST(Int16, SaturatedArithmeticStopsAtTheEnds)
{
    EXPECT_EQ(saturated16(31471 + 1296), 32767);
    EXPECT_EQ(saturated16(31472 + 1296), 32767);
    EXPECT_EQ(saturated16(50LL * 656 + 100), 32767);
    EXPECT_EQ(saturated16(-40000), -32768);
    EXPECT_EQ(saturated16(32766), 32766);
    EXPECT_EQ(saturated16(-32767), -32767);
}

}  // namespace
}  // namespace kuvel::test
