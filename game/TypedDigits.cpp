// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "TypedDigits.h"

#include <array>
#include <optional>

namespace kuvel {

namespace {

// A run of code points read as a run of ASCII characters: ten digits from their zero,
// or one sign or mark.
struct Typed {
    char32_t first;
    char32_t count;
    char ascii;
};

constexpr std::array<Typed, 10> TypedCharacters{{
    {U'\u0660', 10, '0'},  // Arabic-Indic digits
    {U'\u06F0', 10, '0'},  // Extended Arabic-Indic (Persian) digits
    {U'\u0966', 10, '0'},  // Devanagari digits
    {U'\uFF10', 10, '0'},  // full-width digits
    {U'\uFF0B', 1, '+'},  // full-width plus
    {U'\uFF0D', 1, '-'},  // full-width minus
    {U'\uFF0E', 1, '.'},  // full-width full stop
    {U'\u200E', 1, ' '},  // left-to-right mark
    {U'\u200F', 1, ' '},  // right-to-left mark
    {U'\u061C', 1, ' '},  // Arabic letter mark
}};

constexpr char32_t ArabicDecimalSeparator = U'\u066B';

struct CodePoint {
    char32_t value;
    std::size_t length;  // in bytes
};

// The code point a well-formed UTF-8 sequence at the front of the text encodes, of two
// or three bytes, as every character in the table is; nothing for anything else.
std::optional<CodePoint> leadingCodePoint(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto continues = [&](std::size_t i) { return i < text.size() && (byte(i) & 0xC0) == 0x80; };
    if (text.empty())
        return std::nullopt;
    if ((byte(0) & 0xE0) == 0xC0 && continues(1))
        return CodePoint{char32_t(byte(0) & 0x1F) << 6 | (byte(1) & 0x3F), 2};
    if ((byte(0) & 0xF0) == 0xE0 && continues(1) && continues(2))
        return CodePoint{char32_t(byte(0) & 0x0F) << 12 | char32_t(byte(1) & 0x3F) << 6 | (byte(2) & 0x3F), 3};
    return std::nullopt;
}

std::optional<char> asAscii(char32_t c, const NumberLocale& locale)
{
    if (c == ArabicDecimalSeparator && locale.decimalPoint == ".")
        return '.';
    for (const Typed& t : TypedCharacters)
        if (c >= t.first && c < t.first + t.count)
            return static_cast<char>(t.ascii + (c - t.first));
    return std::nullopt;
}

}  // namespace

std::string withAsciiDigits(std::string_view typed, const NumberLocale& locale)
{
    std::string ascii;
    while (!typed.empty()) {
        const std::optional<CodePoint> c = leadingCodePoint(typed);
        const std::optional<char> replacement = c ? asAscii(c->value, locale) : std::nullopt;
        if (replacement) {
            ascii += *replacement;
            typed.remove_prefix(c->length);
        } else {
            ascii += typed.front();
            typed.remove_prefix(1);
        }
    }
    return ascii;
}

}  // namespace kuvel
