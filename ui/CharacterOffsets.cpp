// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "CharacterOffsets.h"

namespace kuvel::ui {

namespace {

// Whether the unit at i is the second half of a character.
bool continues(QStringView text, qsizetype i)
{
    return i > 0 && text[i].isLowSurrogate() && text[i - 1].isHighSurrogate();
}

}  // namespace

int toCharacters(QStringView text, int units)
{
    if (units < 0)
        return units;
    int characters = 0;
    for (qsizetype i = 0; i < units; ++i)
        characters += (i >= text.size() || !continues(text, i)) ? 1 : 0;
    return characters;
}

int toUnits(QStringView text, int characters)
{
    if (characters < 0)
        return characters;
    qsizetype i = 0;
    for (int counted = 0; counted < characters; ++counted) {
        ++i;
        while (i < text.size() && continues(text, i))
            ++i;
    }
    return static_cast<int>(i);
}

}  // namespace kuvel::ui
