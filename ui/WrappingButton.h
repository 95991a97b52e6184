// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include <QPushButton>

namespace kuvel::ui {

// A push button whose caption wraps at word boundaries, centred, as a multi-line
// button caption does. text() keeps the caption as it was given, on one line.
class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

    // Where the caption's lines are drawn.
    [[nodiscard]] QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    [[nodiscard]] QRect contentsArea() const;
};

}  // namespace kuvel::ui
