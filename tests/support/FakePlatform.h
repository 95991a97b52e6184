// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "ChosenValues.h"
#include "FakeWindow.h"
#include "game/Module1.h"
#include "game/Platform.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace kuvel::test {

// What Form1 showed while a message was open.
struct Displays {
    std::string T1, T2, T3, Text4, Text5;
    std::string dice;  // the six die captions, joined
    bool operator==(const Displays&) const = default;
};

// What Form1 shows now.
Displays displaysOf(const Window& form1);

struct Message {
    std::string text;
    Displays shown;
};

// The platform in memory: the dice come from values the test chooses, or from the
// generator it is given, messages are recorded with what Form1 showed at that
// moment, and the end of the program is a flag.
class FakePlatform : public Platform {
public:
    FakePlatform();
    explicit FakePlatform(RandomSource& random);
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    Window& Form1() override { return form1; }
    Window& Form2() override;
    // Recorded in English.
    void message(kuvel::Message id, const std::vector<Value>& values) override;
    // Recorded in English, the phrases joined as they are spoken.
    void summarise(const std::vector<Phrase>& summary) override;
    void endProgram() override { ended = true; }
    RandomSource& random() override { return random_; }

    void queueFaces(const std::vector<int>& faces) { dice.queueFaces(faces); }

    std::vector<std::string> messageTexts() const;
    void clearMessages() { messages.clear(); }

    FakeWindow form1 = FakeWindow::form1();
    std::optional<FakeWindow> form2;
    std::vector<Message> messages;
    std::vector<std::string> summaries;
    bool ended = false;
    ChosenValues dice;
    // Runs inside message(), after recording it, like a player acting on the box.
    std::function<void(const Message&)> onMessage;

private:
    RandomSource& random_;
};

// Module1 as the load handler leaves it.
Module1 startValues();

}  // namespace kuvel::test
