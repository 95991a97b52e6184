// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "NumberText.h"

#include "Errors.h"
#include "Int16.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <system_error>

namespace kuvel {

NumberLocale NumberLocale::current()
{
    const std::lconv* conv = std::localeconv();
    if (conv == nullptr || conv->decimal_point == nullptr || *conv->decimal_point == '\0')
        return {};
    return {conv->decimal_point};
}

namespace {

// Only spaces and tabs: strtod would also skip line breaks, which are no part of a number.
std::string_view trimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The text for strtod, with the given decimal point written as the C library's.
// Nothing when it holds a character no decimal number has: strtod would read hex,
// "inf" and "nan" too, and would stop at a group separator or an inner blank.
std::optional<std::string> inCNotation(std::string_view text, std::string_view decimalPoint)
{
    const std::string cDecimalPoint = NumberLocale::current().decimalPoint;
    std::string plain;
    while (!text.empty()) {
        const bool point = !decimalPoint.empty() && text.starts_with(decimalPoint);
        if (point)
            plain += cDecimalPoint;
        else if (std::string_view("0123456789+-eE").find(text.front()) != std::string_view::npos)
            plain += text.front();
        else
            return std::nullopt;
        text.remove_prefix(point ? decimalPoint.size() : 1);
    }
    return plain;
}

template <typename Float>
std::string floatToText(Float value, int significantDigits, const NumberLocale& locale)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general,
                                      significantDigits);
    std::string text(buffer.data(), result.ptr);
    if (const std::size_t dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, locale.decimalPoint);
    return text;
}

// Whole numbers from 0 to below the limit, the counts and the die faces, are plain
// digits in every locale; written as integers they cost a fraction of the time.
bool plainDigits(double value, double limit)
{
    return !std::signbit(value) && value < limit && value == std::trunc(value);
}

}  // namespace

double textToDouble(std::string_view text, const NumberLocale& locale)
{
    const std::optional<std::string> plain = inCNotation(trimBlanks(text), locale.decimalPoint);
    if (!plain || plain->empty())
        throw TypeMismatch(std::string(text));
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(plain->c_str(), &end);
    if (end - plain->c_str() != static_cast<std::ptrdiff_t>(plain->size()))
        throw TypeMismatch(std::string(text));
    if (errno == ERANGE && std::isinf(value))
        throw Overflow(Message::TooLargeANumber, std::string(text));
    // Too small for a double is 0, without the sign strtod keeps.
    return errno == ERANGE && value == 0.0 ? 0.0 : value;
}

double textToDouble(std::string_view text)
{
    // Up to 15 plain digits, as the counters are: exact in a double and the same in
    // every locale, so the locale is not asked.
    std::uint64_t digits = 0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, digits);
    if (error == std::errc{} && last == end && text.size() <= 15)
        return static_cast<double>(digits);
    return textToDouble(text, NumberLocale::current());
}

std::int16_t textToInteger(std::string_view text, const NumberLocale& locale)
{
    const double rounded = std::nearbyint(textToDouble(text, locale));
    if (rounded < Int16Min || rounded > Int16Max)
        throw Overflow(Message::NumberOutsideInt16, std::string(text));
    return static_cast<std::int16_t>(rounded);
}

std::string integerToText(long long value)
{
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

std::string doubleToText(double value, const NumberLocale& locale)
{
    return floatToText(value, 15, locale);
}

std::string singleToText(float value, const NumberLocale& locale)
{
    return floatToText(value, 7, locale);
}

std::string doubleToText(double value)
{
    if (plainDigits(value, 1e15))
        return integerToText(static_cast<long long>(value));
    return doubleToText(value, NumberLocale::current());
}

std::string singleToText(float value)
{
    if (plainDigits(value, 1e7))
        return integerToText(static_cast<long long>(value));
    return singleToText(value, NumberLocale::current());
}

}  // namespace kuvel
