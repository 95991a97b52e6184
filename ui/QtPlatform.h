// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "Form1.h"
#include "Form2.h"
#include "MessageBoxes.h"

#include "game/Module1.h"
#include "game/Platform.h"
#include "game/RandomSource.h"

#include <memory>

namespace kuvel::ui {

// The game's platform on Qt Widgets: it owns both windows for the life of the
// program, shows messages over the visible one, and ends the program.
class QtPlatform final : public Platform {
public:
    // Builds Form1 and runs its load handler; Form1 is not shown yet.
    QtPlatform(Module1& module, RandomSource& random, MessageBoxes& messages);
    ~QtPlatform() override;
    Q_DISABLE_COPY_MOVE(QtPlatform)

    ui::Form1& Form1() override { return *form1_; }
    ui::Form2& Form2() override;
    // The message in the player's language, from the translations loaded at start.
    void message(Message id, const std::vector<Value>& values) override;
    // In the player's language, on the button the focus comes back to after the turn.
    void summarise(const std::vector<Phrase>& summary) override;
    // Hides both windows and leaves the event loop with status 0.
    void endProgram() override;
    RandomSource& random() override { return random_; }

    [[nodiscard]] bool endRequested() const { return endRequested_; }

private:
    [[nodiscard]] QWidget* visibleWindow() const;

    Module1& module_;
    RandomSource& random_;
    MessageBoxes& messages_;
    std::unique_ptr<ui::Form1> form1_;
    std::unique_ptr<ui::Form2> form2_;
    bool endRequested_ = false;
};

}  // namespace kuvel::ui
