// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "FormWindow.h"

#include "game/Module1.h"

#include <memory>

namespace Ui {
class Form2;
}

namespace kuvel::ui {

// The bet dialog: the stake, the number of turns and "OK". A plain window rather
// than a dialog, so Enter in a box never presses OK.
class Form2 : public FormWindow {
    Q_OBJECT

public:
    Form2(Module1& module, Platform& platform);
    ~Form2() override;
    Q_DISABLE_COPY_MOVE(Form2)

signals:
    // The dialog has gone, after OK took a bet or after it was closed without one.
    void finished(bool betPlaced);

protected:
    void showEvent(QShowEvent* event) override;
    // Closing the dialog is a cancel: nothing changes and the main window comes back.
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::Form2> ui_;
};

}  // namespace kuvel::ui
