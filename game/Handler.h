// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "Messages.h"
#include "Platform.h"

#include <exception>

namespace kuvel {

// What went wrong, for the report of an error a handler cannot go on from.
Value errorDetails(const std::exception& error);

// Runs one event handler. An error that escapes it is reported in a message box
// and ends the program, so nothing ever propagates into the window system's loop.
template <typename Handler>
void runHandler(Platform& platform, Handler&& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        platform.message(Message::UnexpectedError, {errorDetails(error)});
        platform.endProgram();
    }
}

}  // namespace kuvel
