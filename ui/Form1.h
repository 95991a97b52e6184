// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "FormWindow.h"

#include "game/Module1.h"

#include <memory>

class QLabel;

namespace Ui {
class Form1;
}

namespace kuvel::ui {

// The main window: the dice, the scores, the computer's points per turn, money and
// bet, "Ready To Go" and "Make a bet".
class Form1 : public FormWindow {
    Q_OBJECT

public:
    Form1(Module1& module, Platform& platform);
    ~Form1() override;
    Q_DISABLE_COPY_MOVE(Form1)

    // Where the player goes on once the bet dialog has gone: to "Ready To Go" when a
    // bet was placed, since "Make a bet" does nothing while it stands; otherwise
    // back to "Make a bet".
    void focusAfterBetDialog(bool betPlaced);
    // What the last turn left on the board, in a hidden label that names "Ready To
    // Go": a screen reader speaks it with the button's name when the focus comes back
    // there from the turn's messages, and again when asked where the player is, and
    // a braille display shows it on the button's line for as long as the button has
    // the focus. A description would reach the display only as a flash message, and
    // Qt 6.4 announces a changed one to screen readers without its text.
    void describeTurn(const QString& summary);

protected:
    // Closing the main window ends the program, also while the bet dialog exists.
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::Form1> ui_;
    QLabel* turnSummary_ = nullptr;
};

}  // namespace kuvel::ui
