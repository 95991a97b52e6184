// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Session.h"

#include "game/Bet.h"

#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <random>

namespace kuvel::test {
namespace {

using enum Control;

// A text to type and the 16-bit value the conversion rules make of it; none when
// it is not a number or does not fit in 16 bits after rounding.
struct Typed {
    std::string text;
    std::optional<std::int16_t> value;
};

// Makes texts whose value is known by construction: numbers written in every
// accepted form, and texts that cannot be numbers.
class TextMaker {
public:
    explicit TextMaker(std::uint32_t seed) : random_(seed) {}

    Typed next() { return chance(3) ? garbage() : number(); }

private:
    bool chance(int oneIn) { return pick(0, oneIn - 1) == 0; }
    long long pick(long long low, long long high) { return std::uniform_int_distribution(low, high)(random_); }
    template <std::size_t N>
    const char* pickFrom(const std::array<const char*, N>& items)
    {
        return items[pick(0, N - 1)];
    }

    std::string blanks()
    {
        std::string text;
        for (long long n = chance(2) ? 0 : pick(1, 3); n > 0; --n)
            text += chance(3) ? '\t' : ' ';
        return text;
    }

    // A whole number of tenths, hundredths... up to 10^18, so every half is exact.
    Typed number()
    {
        const long long mantissa = chance(4) ? pick(0, 1'000'000'000'000'000'000) : pick(0, chance(2) ? 400 : 400'000);
        const int decimals = static_cast<int>(pick(0, 3));
        const int exponent = chance(3) ? static_cast<int>(chance(8) ? pick(-400, 400) : pick(-4, 4)) : 0;
        const bool negative = chance(3);

        std::string digits = std::to_string(mantissa);
        if (decimals > 0) {
            if (digits.size() <= static_cast<std::size_t>(decimals))
                digits.insert(0, decimals + 1 - digits.size(), '0');
            digits.insert(digits.size() - decimals, ".");
            if (digits.starts_with("0.") && chance(2))
                digits.erase(0, 1);
        } else if (chance(8)) {
            digits += '.';
        }
        if (exponent != 0 || chance(10))
            digits +=
                std::string(chance(2) ? "e" : "E") + (exponent >= 0 && chance(2) ? "+" : "") + std::to_string(exponent);
        const std::string sign = negative ? "-" : (chance(6) ? "+" : "");
        return {blanks() + sign + digits + blanks(), rounded(mantissa, exponent - decimals, negative)};
    }

    // mantissa * 10^power rounded half to even, if it fits in 16 bits.
    static std::optional<std::int16_t> rounded(long long mantissa, int power, bool negative)
    {
        long long whole = 0;
        if (mantissa == 0 || power < -18) {
            whole = 0;
        } else if (power >= 0) {
            if (power > 5)
                return std::nullopt;
            whole = mantissa;
            for (int i = 0; i < power && whole <= 40000; ++i)
                whole *= 10;
        } else {
            long long scale = 1;
            for (int i = 0; i < -power; ++i)
                scale *= 10;
            whole = mantissa / scale;
            const long long twiceRest = 2 * (mantissa % scale);
            if (twiceRest > scale || (twiceRest == scale && whole % 2 == 1))
                ++whole;
        }
        const long long value = negative ? -whole : whole;
        if (value < -32768 || value > 32767)
            return std::nullopt;
        return static_cast<std::int16_t>(value);
    }

    Typed garbage()
    {
        // Line breaks are no spoilers: the boxes turn them into blanks.
        static constexpr std::array<const char*, 20> Spoilers = {
            "a", "x",  "Z",    "$",    ",",    "_",        "#",        "--",           "+-",      ".", "..",
            "e", "E+", "\x01", "\x1f", "\x7f", "\xC2\xA0", "\xC2\xB2", "\xE2\x88\x92", "\xC3\xA9"};  // no-break space,
                                                                                                     // superscript 2,
                                                                                                     // minus sign, é
        static constexpr std::array<const char*, 12> NotNumbers = {
            "", " ", "\t \t", "Amount to Bet", "Number of Turns", "inf", "nan", "0x1A", "1,5", "- 5", "5e", "\xC2\xBD"};
        if (chance(4))
            return {pickFrom(NotNumbers), std::nullopt};
        // A spoiler inside a number, or after its last digit, breaks it; one
        // before or after the blanks breaks it too, as blanks are only spaces and tabs.
        std::string text = number().text;
        std::string spoiler = pickFrom(Spoilers);
        if (spoiler == "." || spoiler == "e" || spoiler == "E+" || spoiler == "--" || spoiler == "+-")
            spoiler += pickFrom(Spoilers);  // on its own it could still leave a number
        text.insert(static_cast<std::size_t>(pick(0, static_cast<long long>(text.size()))), spoiler);
        if (spoiler.find_first_of("0123456789") != std::string::npos)
            text += "x";
        return {text, std::nullopt};
    }

    std::mt19937 random_;
};

bool printableAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7f; });
}

void type(QLineEdit& box, const std::string& text)
{
    box.clear();
    if (printableAscii(text))
        QTest::keyClicks(&box, QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    else
        box.setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

struct Tally {
    int accepted = 0, refused = 0;
};

// One bet with a random balance: refused entries change nothing, accepted ones
// do exactly what the conversion rules say.
void betOnce(Session& s, TextMaker& maker, std::mt19937& random, Tally& tally)
{
    const std::int16_t money =
        static_cast<std::int16_t>(std::uniform_int_distribution(0, 32767)(random) >> (random() % 15));
    s.module.Money = money;
    s.form1().setText(Text4, std::to_string(money));
    if (!s.form2().isVisible())
        s.makeABet();
    ASSERT_TRUE(s.form2().isVisible());

    const Typed stake = maker.next(), turns = maker.next();
    type(child<QLineEdit>(s.form2(), "Text1"), stake.text);
    type(child<QLineEdit>(s.form2(), "Text2"), turns.text);
    const BetState before = s.betState();
    s.messages.messages.clear();
    click(s.form2(), "Command1");

    const bool stakeOk = stake.value && *stake.value >= 0 && *stake.value <= money;
    if (stakeOk && turns.value) {
        ++tally.accepted;
        const auto left = static_cast<std::int16_t>(money - *stake.value);
        EXPECT_EQ(s.betState(),
                  (BetState{left, *stake.value, *turns.value, std::to_string(left), std::to_string(*stake.value)}))
            << '"' << stake.text << "\" \"" << turns.text << '"';
        EXPECT_TRUE(s.messages.messages.empty());
        EXPECT_FALSE(s.form2().isVisible());
        s.module.Bet = 0;
        s.form1().setText(Text5, "0");
        return;
    }
    ++tally.refused;
    using enum kuvel::Message;
    const kuvel::Message why = !stake.value || *stake.value < 0 ? StakeHelp : !stakeOk ? NegativeMoney : TurnsHelp;
    EXPECT_EQ(s.betState(), before) << '"' << stake.text << "\" \"" << turns.text << '"';
    EXPECT_EQ(s.messages.texts(), std::vector<std::string>{english(why)})
        << '"' << stake.text << "\" \"" << turns.text << '"';
    EXPECT_TRUE(s.form2().isVisible());
    EXPECT_EQ(s.form2().text(Text1), stake.text);
    EXPECT_EQ(s.form2().text(Text2), turns.text);
}

TEST(BetDialogFuzz, ThousandsOfTypedTextsNeverCrashAndRefusalsChangeNothing)
{
    Session s;
    TextMaker maker(20240611);
    std::mt19937 random(7);
    Tally tally;
    for (int i = 0; i < 3000 && !testing::Test::HasFailure(); ++i)
        betOnce(s, maker, random, tally);
    EXPECT_FALSE(s.platform.endRequested());
    // Both outcomes are met often enough to mean something.
    EXPECT_GT(tally.accepted, 150);
    EXPECT_GT(tally.refused, 1500);
}

}  // namespace
}  // namespace kuvel::test
