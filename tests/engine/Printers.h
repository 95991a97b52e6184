// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "game/Colour.h"
#include "game/Control.h"
#include "game/Module1.h"

#include <ostream>

namespace kuvel {

// How a failing assertion shows colours, controls and the game variables.
inline void PrintTo(Rgb c, std::ostream* os)
{
    *os << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}

inline void PrintTo(Control c, std::ostream* os)
{
    *os << controlName(c);
}

inline void PrintTo(const Module1& m, std::ostream* os)
{
    *os << "{Money " << m.Money << ", Bet " << m.Bet << ", TurnLimit " << m.TurnLimit << ", TurnCount " << m.TurnCount
        << ", PlayerPoints " << m.PlayerPoints << ", ComputerPoints " << m.ComputerPoints << ", NoBetNoticeShown "
        << m.NoBetNoticeShown << "}";
}

}  // namespace kuvel
