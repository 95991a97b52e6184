#include "NumberText.h"

#include "Errors.h"
#include "Int16.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
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

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Rewrites a number in the locale's notation into the plain form from_chars reads:
// "-12,5e3" in a comma locale becomes "-12.5e3". Returns nothing for text that is
// not a number.
std::optional<std::string> plainNumber(std::string_view text, std::string_view decimalPoint)
{
    std::string plain;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    int mantissaDigits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++mantissaDigits)
        plain += text[i];
    if (!decimalPoint.empty() && text.substr(i, decimalPoint.size()) == decimalPoint) {
        plain += '.';
        for (i += decimalPoint.size(); i < text.size() && isDigit(text[i]); ++i, ++mantissaDigits)
            plain += text[i];
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        const std::size_t exponentStart = i;
        for (; i < text.size() && isDigit(text[i]); ++i)
            plain += text[i];
        if (i == exponentStart)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return plain;
}

// The power of ten of the first significant digit of a number in plain form, the
// exponent counted in: "0.004e2" gives -1, "123e-1" gives 1. Huge exponents stop
// far beyond any double, where only the sign of the result matters.
long long powerOfTen(const std::string& plain)
{
    const std::size_t e = std::min(plain.find('e'), plain.size());
    const std::string_view mantissa(plain.data(), e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return 0;
    long long power = first < point ? static_cast<long long>(point - first) - 1
                                    : static_cast<long long>(point) - static_cast<long long>(first);
    long long exponent = 0;
    for (std::size_t i = e + 1; i < plain.size(); ++i)
        if (isDigit(plain[i]))
            exponent = std::min(exponent * 10 + (plain[i] - '0'), 1'000'000'000LL);
    power += e + 1 < plain.size() && plain[e + 1] == '-' ? -exponent : exponent;
    return power;
}

// from_chars says out of range both for values too large and too small for a
// double; a value too small is 0, as it is for the platform's own conversion.
// The digits, not the sign of the exponent, tell which: "1e-5" with 400 zeros
// after the 1 is too large, "0.000...1" with 400 zeros is too small.
double outOfRange(const std::string& plain, const std::string& original)
{
    if (powerOfTen(plain) < 0)
        return 0.0;
    throw Overflow(Message::TooLargeANumber, original);
}

std::string withDecimalPoint(std::string text, const NumberLocale& locale)
{
    const std::size_t dot = text.find('.');
    if (dot != std::string::npos)
        text.replace(dot, 1, locale.decimalPoint);
    return text;
}

// Up to 15 digits and nothing else: exact in a double, and the same in every locale.
std::optional<double> shortDigits(std::string_view text)
{
    if (text.empty() || text.size() > 15)
        return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return static_cast<double>(value);
}

// A whole number from 0 to below the limit is written as plain digits by every locale.
bool plainDigits(double value, double limit)
{
    return !std::signbit(value) && value < limit && value == std::trunc(value);
}

// Kept out of line so that the short-digits path does not pay for setting it up.
[[gnu::noinline]] double inCurrentLocale(std::string_view text)
{
    return textToDouble(text, NumberLocale::current());
}

template <typename Float>
std::string floatToText(Float value, int significantDigits, const NumberLocale& locale)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits);
    return withDecimalPoint(std::string(buffer, result.ptr), locale);
}

}  // namespace

double textToDouble(std::string_view text, const NumberLocale& locale)
{
    const std::optional<std::string> plain = plainNumber(trimBlanks(text), locale.decimalPoint);
    if (!plain)
        throw TypeMismatch(std::string(text));
    double value = 0.0;
    const auto result = std::from_chars(plain->data(), plain->data() + plain->size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return outOfRange(*plain, std::string(text));
    return value;
}

double textToDouble(std::string_view text)
{
    if (const std::optional<double> value = shortDigits(text))
        return *value;
    return inCurrentLocale(text);
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
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
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
