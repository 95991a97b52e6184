// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kuvel {

// The separators of the user's locale that numbers in captions and boxes use.
struct NumberLocale {
    std::string decimalPoint = ".";

    // Read from the C library's current locale, which the application sets from
    // the environment at start-up.
    static NumberLocale current();
};

// Text to number: blanks around the number, a leading sign, the locale's decimal
// point and an exponent are allowed. Anything else, the empty text included,
// throws TypeMismatch; a value too large for a double throws Overflow.
double textToDouble(std::string_view text, const NumberLocale& locale);
// The same in the current locale. The captions the game reads back every turn are
// short runs of digits, which read the same in every locale without asking it.
double textToDouble(std::string_view text);

// Text to a 16-bit integer: as textToDouble, a fraction rounded half to even,
// Overflow outside -32768 to 32767.
std::int16_t textToInteger(std::string_view text, const NumberLocale& locale = NumberLocale::current());

// Plain digits with a leading "-" when negative.
std::string integerToText(long long value);

// At most 15 (double) or 7 (single) significant digits, no trailing zeros; whole
// numbers below 10^15 (10^7 for a single) come out as plain digits.
std::string doubleToText(double value, const NumberLocale& locale);
std::string singleToText(float value, const NumberLocale& locale);
// The same in the current locale.
std::string doubleToText(double value);
std::string singleToText(float value);

}  // namespace kuvel
