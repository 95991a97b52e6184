// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

class QCoreApplication;

namespace kuvel::ui {

// Held down, Enter, Space and Escape press once: the game's handlers ignore a key's
// repeats. On X11, Qt 6.4 tells a repeat from a new press by looking ahead, when the
// key's release arrives, for a press sent at the same moment; on a busy machine that
// press is not there yet, and Qt delivers the release and then the repeat as a new
// press, which closed the message box the first press had opened. This filter takes
// the place of that look-ahead for those keys: a press at the very time of the same
// key's release is a repeat, and reaches neither a shortcut nor a widget.
void dropUnmarkedKeyRepeats(QCoreApplication& application);

}  // namespace kuvel::ui
