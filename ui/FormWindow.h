// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "game/Control.h"
#include "game/Platform.h"
#include "game/Window.h"

#include <QWidget>

#include <array>

namespace kuvel::ui {

// A top-level window whose controls the game reaches by their object names. Each
// operation checks that the control exists here and is of the kind it needs.
class FormWindow : public QWidget, public Window {
    Q_OBJECT

public:
    [[nodiscard]] std::string caption(Control label) const override;
    void setCaption(Control label, std::string_view text) override;
    [[nodiscard]] bool sameCaption(Control a, Control b) const override;
    void setBackColour(Control label, Rgb colour) override;
    [[nodiscard]] std::string text(Control box) const override;
    void setText(Control box, std::string_view text) override;
    [[nodiscard]] bool isSelected(Control option) const override;
    void focusAndSelect(Control box) override;
    void show() override;
    void hide() override;

protected:
    explicit FormWindow(Platform& platform) : platform_(platform) {}
    // Call once the form's widgets exist.
    void findControls();
    [[nodiscard]] Platform& platform() const { return platform_; }

private:
    template <typename Widget>
    Widget& control(Control c) const;

    Platform& platform_;
    std::array<QWidget*, ControlCount> controls_{};
};

}  // namespace kuvel::ui
