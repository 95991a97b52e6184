// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "Messages.h"
#include "RandomSource.h"
#include "Window.h"

#include <vector>

namespace kuvel {

// Everything the handlers need from outside the game: the two windows, modal
// messages, the end of the program and the random generator.
class Platform {
public:
    virtual ~Platform() = default;

    virtual Window& Form1() = 0;
    // The bet dialog is created the first time it is asked for and kept from then on.
    virtual Window& Form2() = 0;
    // A modal box with the message in the player's language and one OK button, no
    // icon, titled with the application's name; returns once the player has
    // dismissed it.
    virtual void message(Message id, const std::vector<Value>& values = {}) = 0;
    // What a turn leaves on the board, in words, said once its messages are gone: the
    // platform puts it into the player's language where a screen reader speaks it.
    virtual void summarise(const std::vector<Phrase>& summary) = 0;
    // Asks for the end of the program; the caller returns straight after.
    virtual void endProgram() = 0;
    // The generator the dice come from.
    virtual RandomSource& random() = 0;
};

}  // namespace kuvel
