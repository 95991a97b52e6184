// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "FakePlatform.h"
#include "ui/MessageBoxes.h"

#include <functional>
#include <string>
#include <vector>

namespace kuvel::test {

// A shown message, with what Form1 showed and which window it was shown over.
struct ShownMessage : Message {
    std::string parent;
};

// Message boxes that the test answers: each text is recorded with what Form1
// showed while it was open, then the callback runs, like a player acting on the
// box, and the box counts as dismissed.
class RecordingMessages : public ui::MessageBoxes {
public:
    void show(QWidget* parent, const QString& text) override;

    std::vector<std::string> texts() const;

    const Window* form1 = nullptr;  // set once the platform has built it
    std::vector<ShownMessage> messages;
    std::function<void(const ShownMessage&)> onMessage;
};

}  // namespace kuvel::test
