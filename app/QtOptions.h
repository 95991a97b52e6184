// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include <QStringList>

namespace kuvel::app {

// The arguments less the options that QGuiApplication and QApplication take for
// themselves, with their values, so that the game's own command line can be read
// before the display is opened. Qt removes them only once it opens the display.
// Everything after "--" is the game's.
QStringList withoutQtOptions(const QStringList& arguments);

}  // namespace kuvel::app
