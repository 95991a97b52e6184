// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include <cstdint>

namespace kuvel {

inline constexpr int Int16Min = -32768;
inline constexpr int Int16Max = 32767;

// Game arithmetic is 16-bit signed. A result outside the range raises Overflow
// and the caller's variable keeps its old value.
std::int16_t checked16(long long value);

// The game totals and payouts stop at the ends of the range instead of overflowing.
std::int16_t saturated16(long long value);

}  // namespace kuvel
