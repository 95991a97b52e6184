// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Rnd.h"

#include <chrono>

namespace kuvel {

void Rnd::randomize()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    engine_.seed(seq);
}

}  // namespace kuvel
