// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "LoadHandler.h"

namespace kuvel {

void Form1_Load(Module1& m, Platform& platform)
{
    platform.random().randomize();
    m.Money = 100;
    m.Bet = 0;
    m.NoBetNoticeShown = 0;
    m.TurnLimit = 50;
    m.TurnCount = 0;
    m.PlayerPoints = 0;
    m.ComputerPoints = 0;
}

}  // namespace kuvel
