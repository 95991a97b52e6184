// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "NumberText.h"

#include <string>
#include <string_view>

namespace kuvel {

// A number as the player typed it, rewritten with the digits 0-9 that the number
// text reads: the decimal digits of every script (Arabic-Indic, Persian, Devanagari,
// Bengali, Thai, Khmer, Burmese, full-width and the rest that Unicode lists), the
// full-width signs and full stop of CJK input methods, and the Arabic decimal separator where
// the locale's decimal point is "."; the bidirectional marks that come with pasted
// right-to-left text become blanks. Everything else is left as it is, for the number
// text to refuse.
std::string withAsciiDigits(std::string_view typed, const NumberLocale& locale = NumberLocale::current());

}  // namespace kuvel
