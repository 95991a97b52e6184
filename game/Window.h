// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "Colour.h"
#include "Control.h"

#include <string>
#include <string_view>

namespace kuvel {

// What the game does to a window's controls. Form1 and Form2 implement it with
// widgets; tests implement it in memory. Asking a window for a control it does
// not have throws ControlError.
class Window {
public:
    virtual ~Window() = default;

    [[nodiscard]] virtual std::string caption(Control label) const = 0;
    virtual void setCaption(Control label, std::string_view text) = 0;
    // Whether two labels' captions are the same text, character for character.
    [[nodiscard]] virtual bool sameCaption(Control a, Control b) const = 0;
    virtual void setBackColour(Control label, Rgb colour) = 0;
    [[nodiscard]] virtual std::string text(Control box) const = 0;
    virtual void setText(Control box, std::string_view text) = 0;
    [[nodiscard]] virtual bool isSelected(Control option) const = 0;
    // Puts the keyboard focus in a text box with its whole text selected, so the
    // player can type over a refused entry.
    virtual void focusAndSelect(Control box) = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
};

}  // namespace kuvel
