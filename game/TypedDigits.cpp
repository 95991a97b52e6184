// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "TypedDigits.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <optional>

namespace kuvel {

namespace {

// The signs and marks that are read as an ASCII character; digits come from Unicode.
struct Sign {
    UChar32 typed;
    char ascii;
};

constexpr std::array<Sign, 6> Signs{{
    {0xFF0B, '+'},  // full-width plus
    {0xFF0D, '-'},  // full-width minus
    {0xFF0E, '.'},  // full-width full stop
    {0x200E, ' '},  // left-to-right mark
    {0x200F, ' '},  // right-to-left mark
    {0x061C, ' '},  // Arabic letter mark
}};

constexpr UChar32 ArabicDecimalSeparator = 0x066B;

std::optional<char> asAscii(UChar32 c, const NumberLocale& locale)
{
    // Decimal digits only (general category Nd): not ², ① or the Ethiopic and Tamil
    // numerals, which have a numeric value but are no digit of a positional number.
    if (const int32_t digit = u_charDigitValue(c); digit >= 0 && digit <= 9)
        return static_cast<char>('0' + digit);
    if (c == ArabicDecimalSeparator && locale.decimalPoint == ".")
        return '.';
    for (const Sign& sign : Signs)
        if (c == sign.typed)
            return sign.ascii;
    return std::nullopt;
}

// The code point at i, which moves past it; negative for bytes that are no UTF-8.
UChar32 nextCodePoint(std::string_view text, int32_t& i, int32_t length)
{
    UChar32 c = 0;
    U8_NEXT(text, i, length, c);
    return c;
}

}  // namespace

std::string withAsciiDigits(std::string_view typed, const NumberLocale& locale)
{
    // ICU counts in int32_t; a text box holds far less, and the rest would be no number.
    const auto length = static_cast<int32_t>(std::min<std::size_t>(typed.size(), INT32_MAX));
    std::string ascii;
    for (int32_t i = 0; i < length;) {
        const int32_t start = i;
        const UChar32 c = nextCodePoint(typed, i, length);
        const std::optional<char> replacement = c >= 0 ? asAscii(c, locale) : std::nullopt;
        if (replacement)
            ascii += *replacement;
        else
            ascii.append(typed.substr(start, i - start));
    }
    return ascii;
}

}  // namespace kuvel
