#pragma once

#include "Module1.h"
#include "Platform.h"

#include <string_view>

namespace kuvel {

// What the bet dialog tells a player whose entry it cannot take.
inline constexpr std::string_view StakeHelp =
    "Amount to Bet: please type a whole number from 0 up to your money, for example 10.";
inline constexpr std::string_view TurnsHelp =
    "Number of Turns: please type a whole number from -32768 up to 32767, for example 50.";
inline constexpr std::string_view NegativeMoney = "ERROR! You can't have negative money.";

// Click of Command2 on Form1, "Make a bet": opens the bet dialog while no bet stands.
void Form1_Command2_Click(Platform& platform);

// Click of Command1 on Form2, "OK": takes the stake and the number of turns. Both
// boxes are checked before anything changes; an entry that cannot be taken is
// refused with a message and the dialog stays open on that box.
void Form2_Command1_Click(Module1& m, Platform& platform);

}  // namespace kuvel
