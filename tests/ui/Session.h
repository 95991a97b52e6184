// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "ChosenValues.h"
#include "RecordingMessages.h"
#include "ui/QtPlatform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace kuvel::test {

// What a bet may change: the refused bets must leave all of it as it was.
struct BetState {
    std::int16_t Money = 0;
    std::int16_t Bet = 0;
    std::int16_t TurnLimit = 0;
    std::string Text4, Text5;
    bool operator==(const BetState&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const BetState& s);
};

// The program as the player meets it: the real windows, shown as at start-up, on a
// platform whose dice the test chooses and whose messages the test answers.
class Session {
public:
    Session();

    ui::Form1& form1() { return platform.Form1(); }
    ui::Form2& form2() { return platform.Form2(); }

    // Plays one turn with these six faces by clicking "Ready To Go".
    void readyToGo(const std::vector<int>& faces);
    void makeABet();
    // Types into the dialog's boxes and clicks OK.
    void answerDialog(const QString& stake, const QString& turns);
    void placeBet(const QString& stake, const QString& turns);
    void select(const char* option);

    BetState betState();
    std::string shown(const char* control);  // Form1's caption or text

    Module1 module;
    ChosenValues dice;
    RecordingMessages messages;
    ui::QtPlatform platform{module, dice, messages};
};

// A child widget of a window by its object name; fails the test when it is missing.
template <typename Widget>
Widget& child(QWidget& window, const char* name)
{
    auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr)
        throw std::logic_error(window.objectName().toStdString() + " has no " + name);
    return *widget;
}

void click(QWidget& window, const char* button);

}  // namespace kuvel::test
