// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "MessageBoxes.h"

namespace kuvel::ui {

// A modal box with the text and one OK button, no icon, titled with the
// application's name.
class ModalMessageBoxes : public MessageBoxes {
public:
    void show(QWidget* parent, const QString& text) override;
};

}  // namespace kuvel::ui
