// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "game/Window.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string>

namespace kuvel::test {

// A window held in memory: captions and texts as strings, colours, the selected
// option, visibility and the box that last got the focus. It starts with the
// controls it is given and refuses any other, as a real window would.
class FakeWindow : public Window {
public:
    FakeWindow(std::initializer_list<std::pair<Control, std::string>> controls, bool visible);

    static FakeWindow form1();  // Form1 as it opens
    static FakeWindow form2();  // Form2 as it opens

    std::string caption(Control label) const override;
    void setCaption(Control label, std::string_view text) override;
    bool sameCaption(Control a, Control b) const override { return slot(a) == slot(b); }
    void setBackColour(Control label, Rgb colour) override;
    std::string text(Control box) const override { return caption(box); }
    void setText(Control box, std::string_view text) override { setCaption(box, text); }
    bool isSelected(Control option) const override;
    void focusAndSelect(Control box) override;
    void show() override { visible_ = true; }
    void hide() override { visible_ = false; }

    void select(Control option);
    Rgb backColour(Control label) const;
    bool visible() const { return visible_; }
    std::optional<Control> focused() const { return focused_; }

private:
    const std::string& slot(Control c) const;

    std::array<std::optional<std::string>, ControlCount> texts_{};
    std::array<Rgb, ControlCount> colours_{};
    Control selected_ = Control::Option4;
    bool visible_ = false;
    std::optional<Control> focused_;
};

}  // namespace kuvel::test
