// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "Module1.h"
#include "Platform.h"

namespace kuvel {

// Load of Form1: runs once, before the window is first shown.
void Form1_Load(Module1& m, Platform& platform);

}  // namespace kuvel
