// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Int16.h"

#include "Errors.h"

#include <algorithm>
#include <string>

namespace kuvel {

std::int16_t checked16(long long value)
{
    if (value < Int16Min || value > Int16Max)
        throw Overflow(Message::OutOfInt16, std::to_string(value));
    return static_cast<std::int16_t>(value);
}

std::int16_t saturated16(long long value)
{
    return static_cast<std::int16_t>(std::clamp<long long>(value, Int16Min, Int16Max));
}

}  // namespace kuvel
