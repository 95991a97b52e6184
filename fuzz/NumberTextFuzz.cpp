// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
// Text to number and to a 16-bit integer, with a full stop and with a comma as the
// decimal point: no crash, no undefined behaviour, and the answers agree.
//   - The integer is the number rounded half to even, or Overflow outside the
//     16-bit range; text that is no number is a type mismatch for both.
//   - In the comma locale a text reads as the same text with "," and "." swapped
//     reads in the full-stop one.
//   - A number is finite and matches the C library's strtod of the same digits;
//     strtod says "out of range" exactly when the number is refused as too large.
//   - The locale-free short cuts (no locale argument) give what the full-stop
//     locale gives, here where the C locale is in force.
//   - A number written back as text reads back to within its 15 digits.

#include "Require.h"
#include "game/Errors.h"
#include "game/NumberText.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <variant>

namespace {

using kuvel::fuzz::require;

struct Mismatch {
    bool operator==(const Mismatch&) const = default;
};
struct TooLarge {
    bool operator==(const TooLarge&) const = default;
};
template <typename T>
using Reading = std::variant<T, Mismatch, TooLarge>;

template <typename Parse>
auto reading(Parse&& parse) -> Reading<decltype(parse())>
{
    try {
        return parse();
    } catch (const kuvel::TypeMismatch&) {
        return Mismatch{};
    } catch (const kuvel::Overflow&) {
        return TooLarge{};
    }
}

const kuvel::NumberLocale FullStop{"."};
const kuvel::NumberLocale Comma{","};

std::string swapSeparators(std::string_view text)
{
    std::string swapped(text);
    for (char& c : swapped)
        c = c == ',' ? '.' : c == '.' ? ',' : c;
    return swapped;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void integerAgrees(const Reading<double>& number, const Reading<std::int16_t>& integer, std::string_view text)
{
    if (!std::holds_alternative<double>(number)) {
        require(integer.index() == number.index(), "the integer fails as the number does", text);
        return;
    }
    const double rounded = std::nearbyint(std::get<double>(number));
    if (rounded < -32768 || rounded > 32767)
        require(std::holds_alternative<TooLarge>(integer), "outside 16 bits is Overflow", text);
    else
        require(integer == Reading<std::int16_t>(static_cast<std::int16_t>(rounded)),
                "the integer is the number rounded half to even", text);
}

// The C library reads the same decimal forms, so every number taken must read the
// same there, and a number refused as too large must be out of its range too.
void matchesStrtod(const Reading<double>& number, std::string_view text)
{
    if (std::holds_alternative<Mismatch>(number))
        return;
    const std::string digits(trimmed(text));
    char* end = nullptr;
    errno = 0;
    const double expected = std::strtod(digits.c_str(), &end);
    const bool overflowed = errno == ERANGE && std::isinf(expected);
    require(end == digits.c_str() + digits.size(), "strtod reads every character of a number", text);
    if (std::holds_alternative<TooLarge>(number)) {
        require(overflowed, "only a number beyond a double's range is too large", text);
        return;
    }
    const double value = std::get<double>(number);
    require(std::isfinite(value), "a number is finite", text);
    require(!overflowed, "a number beyond a double's range is refused", text);
    const bool underflowed = errno == ERANGE;
    require(value == expected || (underflowed && value == 0.0), "the number is the one strtod reads", text);
}

void writesBack(double value, std::string_view text)
{
    // Fifteen digits of a number next to the ends of a double's range may round past them.
    const bool inside = value == 0.0 || (std::isnormal(value) && std::fabs(value) < 1e308);
    for (const kuvel::NumberLocale& locale : {FullStop, Comma}) {
        if (!inside)
            break;
        const std::string written = kuvel::doubleToText(value, locale);
        const Reading<double> back = reading([&] { return kuvel::textToDouble(written, locale); });
        require(std::holds_alternative<double>(back), "a number written as text reads back", text);
        const double error = std::fabs(std::get<double>(back) - value);
        require(error <= std::fabs(value) * 1e-14, "it reads back to within 15 digits", text);
    }
    require(kuvel::doubleToText(value) == kuvel::doubleToText(value, FullStop), "double text without a locale", text);
    if (std::fabs(value) <= std::numeric_limits<float>::max()) {
        const float single = static_cast<float>(value);
        require(kuvel::singleToText(single) == kuvel::singleToText(single, FullStop), "single text without a locale",
                text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Reading<double> number = reading([&] { return kuvel::textToDouble(text, FullStop); });
    const Reading<double> inComma = reading([&] { return kuvel::textToDouble(swapSeparators(text), Comma); });
    const Reading<double> shortCut = reading([&] { return kuvel::textToDouble(text); });

    integerAgrees(number, reading([&] { return kuvel::textToInteger(text, FullStop); }), text);
    integerAgrees(inComma, reading([&] { return kuvel::textToInteger(swapSeparators(text), Comma); }), text);
    require(inComma == number, "a comma locale reads the swapped text alike", text);
    require(shortCut == number, "the locale-free reading agrees", text);
    matchesStrtod(number, text);
    if (const double* value = std::get_if<double>(&number))
        writesBack(*value, text);
    return 0;
}
