// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include <QStringView>

namespace kuvel::ui {

// Qt 6.4's AT-SPI bridge hands a text interface's offsets to the bus unchanged, but
// AT-SPI counts characters (code points) where QString counts UTF-16 units: an emoji
// is one character there and two units here. The game's text interface speaks in
// characters and converts here. Offsets outside the text stay outside it.
int toCharacters(QStringView text, int units);
int toUnits(QStringView text, int characters);

}  // namespace kuvel::ui
