// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "Module1.h"
#include "Platform.h"

namespace kuvel {

// Click of Command1 on Form1, "Ready To Go": plays one turn in eight stages.
void Form1_Command1_Click(Module1& m, Platform& platform);

}  // namespace kuvel
