// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Printers.h"
#include "game/Colour.h"

#include <gtest/gtest.h>

namespace kuvel::test {
namespace {

TEST(Colour, ComponentsAbove255CountAs255)
{
    EXPECT_EQ(RGB(256, 256, 256), (Rgb{255, 255, 255}));
    EXPECT_EQ(RGB(256, 64, 0), (Rgb{255, 64, 0}));
    EXPECT_EQ(RGB(1000, 255, 256), (Rgb{255, 255, 255}));
}

TEST(Colour, ComponentsInRangeAreKept)
{
    EXPECT_EQ(RGB(0, 0, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(RGB(255, 128, 192), (Rgb{255, 128, 192}));
}

}  // namespace
}  // namespace kuvel::test
