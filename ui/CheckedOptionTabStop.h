// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

class QWidget;

namespace kuvel::ui {

// Makes the selected one of the option buttons lying on the window the group's
// only Tab stop, so Tab into the group lands on it, as in native option groups.
// The arrow keys still move the selection within the group.
void keepTabStopOnCheckedOption(QWidget& window);

}  // namespace kuvel::ui
