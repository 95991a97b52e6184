// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "RandomSource.h"

#include <cstdint>
#include <random>

namespace kuvel {

// The program's random generator.
class Rnd : public RandomSource {
public:
    // Seeds from the system clock; the program does this once, when Form1 loads.
    void randomize() override;
    // A fixed seed makes a run reproducible.
    void seed(std::uint32_t value) { engine_.seed(value); }
    // 24 random bits scaled by 2^-24: every value is exact in a float and the
    // largest is the float just below 1, never 1 itself.
    float next() override { return static_cast<float>(engine_() >> 8) * 0x1p-24F; }

private:
    std::mt19937 engine_;
};

}  // namespace kuvel
