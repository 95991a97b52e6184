#pragma once

#include "Module1.h"
#include "Platform.h"

namespace kuvel {

// Load of Form1: runs once, before the window is first shown.
void Form1_Load(Module1& m, Platform& platform);

}  // namespace kuvel
