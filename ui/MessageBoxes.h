// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

class QString;
class QWidget;

namespace kuvel::ui {

// Shows the player a message and returns once it has been dismissed. The program
// uses modal boxes; tests answer the messages themselves.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(QWidget* parent, const QString& text) = 0;
};

}  // namespace kuvel::ui
