// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "game/Errors.h"
#include "game/NumberText.h"
#include "game/TypedDigits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace kuvel::test {
namespace {

const NumberLocale FullStop{"."};
const NumberLocale Comma{","};

struct Parsed {
    std::string text;
    double value;
};

void PrintTo(const Parsed& p, std::ostream* out)
{
    *out << testing::PrintToString(p.text) << " is " << p.value;
}

class TextToDoubleReads : public testing::TestWithParam<Parsed> {};

TEST_P(TextToDoubleReads, TheNumber)
{
    EXPECT_EQ(textToDouble(GetParam().text, FullStop), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(NumberText, TextToDoubleReads,
                         testing::Values(Parsed{"0", 0}, Parsed{" 0 ", 0}, Parsed{"0.0", 0}, Parsed{"  0.0  ", 0},
                                         Parsed{"10", 10}, Parsed{"1296", 1296}, Parsed{"-50", -50}, Parsed{"+7", 7},
                                         Parsed{" -2.5 ", -2.5}, Parsed{".5", 0.5}, Parsed{"5.", 5},
                                         Parsed{"1e3", 1000}, Parsed{"2.5E-1", 0.25}, Parsed{"-1e+2", -100},
                                         Parsed{"1e-999", 0}));

class TextToDoubleRefuses : public testing::TestWithParam<std::string> {};

TEST_P(TextToDoubleRefuses, WithATypeMismatch)
{
    EXPECT_THROW(textToDouble(GetParam(), FullStop), TypeMismatch);
}

INSTANTIATE_TEST_SUITE_P(NumberText, TextToDoubleRefuses,
                         testing::Values("", " ", "   ", "abc", "#", "12abc", "1 2", "inf", "-inf", "nan", "Infinity",
                                         "+", "-", ".", "e5", "1e", "1e+", "--1", "0x10", "Amount to Bet"));

TEST(NumberText, ValuesTooLargeForADoubleAreAnOverflow)
{
    EXPECT_THROW(textToDouble("1e999", FullStop), Overflow);
    EXPECT_THROW(textToDouble("-1e999", FullStop), Overflow);
    EXPECT_THROW(textToDouble(std::string(400, '9'), FullStop), Overflow);
}

TEST(NumberText, ValuesTooSmallForADoubleAreZeroWhateverTheirNotation)
{
    const std::string tinyFraction = "0." + std::string(400, '0') + "1";
    EXPECT_EQ(textToDouble(tinyFraction, FullStop), 0.0);
    EXPECT_EQ(textToDouble(tinyFraction + "e5", FullStop), 0.0);
    EXPECT_EQ(textToDouble("-" + tinyFraction, FullStop), 0.0);
    EXPECT_EQ(textToInteger(tinyFraction, FullStop), 0);
}

TEST(NumberText, LargeDigitsWithASmallNegativeExponentAreStillTooLarge)
{
    EXPECT_THROW(textToDouble("1" + std::string(400, '0') + "e-5", FullStop), Overflow);
    EXPECT_THROW(textToDouble("-0." + std::string(400, '0') + "1e800", FullStop), Overflow);
    EXPECT_THROW(textToInteger(" 1" + std::string(400, '0') + "e-5 ", FullStop), Overflow);
}

TEST(NumberText, ACommaLocaleReadsTheCommaAsTheDecimalPoint)
{
    EXPECT_EQ(textToDouble("2,5", Comma), 2.5);
    EXPECT_EQ(textToDouble(" -1,25e1 ", Comma), -12.5);
    EXPECT_EQ(textToDouble("0,0", Comma), 0.0);
    EXPECT_THROW(textToDouble("2.5", Comma), TypeMismatch);
    EXPECT_EQ(textToInteger(" 2,5 ", Comma), 2);
    EXPECT_EQ(textToInteger("3,5", Comma), 4);
}

struct Rounded {
    std::string text;
    int value;
};

void PrintTo(const Rounded& r, std::ostream* out)
{
    *out << testing::PrintToString(r.text) << " is " << r.value;
}

class TextToIntegerRounds : public testing::TestWithParam<Rounded> {};

TEST_P(TextToIntegerRounds, HalfToEven)
{
    EXPECT_EQ(textToInteger(GetParam().text, FullStop), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(NumberText, TextToIntegerRounds,
                         testing::Values(Rounded{"2.5", 2}, Rounded{"3.5", 4}, Rounded{"-2.5", -2}, Rounded{"-3.5", -4},
                                         Rounded{"0.5", 0}, Rounded{"1.5", 2}, Rounded{" 2.5 ", 2},
                                         Rounded{"2.4999", 2}, Rounded{"2.5001", 3}, Rounded{"-0.4", 0},
                                         Rounded{"+12", 12}, Rounded{"32767", 32767}, Rounded{"32767.4", 32767},
                                         Rounded{"32766.5", 32766}, Rounded{"-32768", -32768},
                                         Rounded{"-32768.5", -32768}, Rounded{"1e2", 100}));

class TextToIntegerOverflows : public testing::TestWithParam<std::string> {};

TEST_P(TextToIntegerOverflows, OutsideSixteenBits)
{
    EXPECT_THROW(textToInteger(GetParam(), FullStop), Overflow);
}

INSTANTIATE_TEST_SUITE_P(NumberText, TextToIntegerOverflows,
                         testing::Values("32768", "32767.5", "-32769", "-32768.6", "40000", "-40000", "1e5", "1e999"));

TEST(NumberText, TextToIntegerRefusesTextThatIsNoNumber)
{
    for (const char* text : {"", "  ", "abc", "Number of Turns", "1O"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(textToInteger(text, FullStop), TypeMismatch);
    }
}

// What the bet dialog reads from digits a player types with another keyboard.
struct Typed {
    std::string text;
    const NumberLocale& locale;
    std::optional<int> value;  // none: a type mismatch, as for any text that is no number
};

void PrintTo(const Typed& t, std::ostream* out)
{
    *out << testing::PrintToString(t.text) << " with " << testing::PrintToString(t.locale.decimalPoint);
}

class TypedDigitsRead : public testing::TestWithParam<Typed> {};

TEST_P(TypedDigitsRead, AsTheSameNumberIn0To9)
{
    const Typed& t = GetParam();
    const std::string ascii = withAsciiDigits(t.text, t.locale);
    if (t.value)
        EXPECT_EQ(textToInteger(ascii, t.locale), *t.value) << ascii;
    else
        EXPECT_THROW(textToInteger(ascii, t.locale), TypeMismatch) << ascii;
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, TypedDigitsRead,
    testing::Values(
        Typed{"\u0661\u0660", FullStop, 10}, Typed{"\u06F1\u06F2\u06F3", FullStop, 123},
        Typed{"\u096A\u0968", FullStop, 42}, Typed{"\uFF11\uFF10", FullStop, 10}, Typed{"\uFF0D\uFF15", FullStop, -5},
        Typed{"\uFF0B\uFF13", FullStop, 3}, Typed{"\uFF13\uFF0E\uFF15", FullStop, 4},
        Typed{"\u0662\u066B\u0665", FullStop, 2}, Typed{"\u0662\u066B\u0665", Comma, std::nullopt},
        Typed{"\u0662,\u0665", Comma, 2}, Typed{"1\u0662", FullStop, 12},
        Typed{"\u200F\u0661\u0660\u200E", FullStop, 10}, Typed{"\u061C 7 ", FullStop, 7},
        Typed{"1\u200F0", FullStop, std::nullopt}, Typed{"\u00B2", FullStop, std::nullopt},
        Typed{"\u2460", FullStop, std::nullopt}, Typed{"\u09E7\u09E6", FullStop, 10},
        Typed{"\u0BE7\u0BE6", FullStop, 10}, Typed{"\u0E51\u0E50", FullStop, 10}, Typed{"\u17E1\u17E0", FullStop, 10},
        Typed{"\u1041\u1040", FullStop, 10}, Typed{"\u0AE7\u0AE6", FullStop, 10}, Typed{"\u0A67\u0A66", FullStop, 10},
        Typed{"\u0B67\u0B66", FullStop, 10}, Typed{"\u0C67\u0C66", FullStop, 10}, Typed{"\u0CE7\u0CE6", FullStop, 10},
        Typed{"\u0D67\u0D66", FullStop, 10}, Typed{"\u0ED1\u0ED0", FullStop, 10}, Typed{"\u0DE7\u0DE6", FullStop, 10},
        Typed{"\u09E72", FullStop, 12}, Typed{"\U0001D7CF", FullStop, 1}, Typed{"\u0BF0", FullStop, std::nullopt},
        Typed{"\u216B", FullStop, std::nullopt}, Typed{"\u00BD", FullStop, std::nullopt},
        Typed{"\u1369", FullStop, std::nullopt}, Typed{"\u1372", FullStop, std::nullopt},
        Typed{"\xD9", FullStop, std::nullopt}, Typed{"1\xD9\xA1\xD9", FullStop, std::nullopt},
        Typed{"\xEF\xBC", FullStop, std::nullopt}, Typed{"\U0001F600", FullStop, std::nullopt}));

TEST(NumberText, IntegersArePlainDigits)
{
    EXPECT_EQ(integerToText(0), "0");
    EXPECT_EQ(integerToText(10), "10");
    EXPECT_EQ(integerToText(1296), "1296");
    EXPECT_EQ(integerToText(-1), "-1");
    EXPECT_EQ(integerToText(32767), "32767");
    EXPECT_EQ(integerToText(-32768), "-32768");
}

struct Written {
    double value;
    std::string text;
};

void PrintTo(const Written& w, std::ostream* out)
{
    *out << testing::PrintToString(w.text);
}

class DoubleToText : public testing::TestWithParam<Written> {};

TEST_P(DoubleToText, FifteenSignificantDigits)
{
    EXPECT_EQ(doubleToText(GetParam().value, FullStop), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(NumberText, DoubleToText,
                         testing::Values(Written{0, "0"}, Written{1, "1"}, Written{10, "10"}, Written{1296, "1296"},
                                         Written{-3, "-3"}, Written{2.5, "2.5"}, Written{0.1, "0.1"},
                                         Written{1.0 / 3, "0.333333333333333"}, Written{2.0 / 3, "0.666666666666667"},
                                         Written{123456789012345, "123456789012345"},
                                         Written{999999999999999, "999999999999999"},
                                         Written{static_cast<double>(0.1f), "0.100000001490116"}));

TEST(NumberText, SinglesHaveSevenSignificantDigits)
{
    for (int face = 1; face <= 6; ++face)
        EXPECT_EQ(singleToText(static_cast<float>(face), FullStop), std::to_string(face));
    EXPECT_EQ(singleToText(0.1f, FullStop), "0.1");
    EXPECT_EQ(singleToText(1.0f / 3, FullStop), "0.3333333");
    EXPECT_EQ(singleToText(1234567.0f, FullStop), "1234567");
}

TEST(NumberText, TheCurrentLocaleWritesWholeNumbersAsPlainDigits)
{
    EXPECT_EQ(doubleToText(10.0), "10");
    EXPECT_EQ(singleToText(6.0f), "6");
    EXPECT_EQ(textToDouble(" 0 "), 0.0);
}

TEST(NumberText, ACommaLocaleWritesFractionsWithAComma)
{
    EXPECT_EQ(doubleToText(2.5, Comma), "2,5");
    EXPECT_EQ(singleToText(0.25f, Comma), "0,25");
    EXPECT_EQ(doubleToText(1296, Comma), "1296");
}

}  // namespace
}  // namespace kuvel::test
