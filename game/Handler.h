#pragma once

#include "Platform.h"

#include <exception>
#include <string>

namespace kuvel {

// The text shown when a handler meets an error it cannot go on from.
std::string errorReport(const std::exception& error);

// Runs one event handler. An error that escapes it is reported in a message box
// and ends the program, so nothing ever propagates into the window system's loop.
template <typename Handler>
void runHandler(Platform& platform, Handler&& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        platform.message(errorReport(error));
        platform.endProgram();
    }
}

}  // namespace kuvel
