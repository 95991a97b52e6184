#pragma once

#include "game/Colour.h"
#include "game/Control.h"

#include <ostream>

namespace kuvel {

// How a failing assertion shows colours and controls.
inline void PrintTo(Rgb c, std::ostream* os)
{
    *os << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}

inline void PrintTo(Control c, std::ostream* os)
{
    *os << controlName(c);
}

}  // namespace kuvel
