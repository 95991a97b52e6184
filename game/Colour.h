// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include <algorithm>
#include <cstdint>

namespace kuvel {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Colours are asked for as three components; anything above 255 counts as 255,
// so the reset colour (256, 256, 256) comes out white.
constexpr Rgb RGB(int r, int g, int b)
{
    auto clamp = [](int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); };
    return {clamp(r), clamp(g), clamp(b)};
}

}  // namespace kuvel
