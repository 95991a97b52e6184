// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
// The bet dialog's "OK" on in-memory windows, with fuzzed box texts and money.
// Input: three lines, the money (its digits, taken modulo 32768: money is never
// negative), the text of Text1 and the text of Text2.
//   - Nothing crashes and nothing escapes the handler.
//   - A refused entry is explained by one message, changes no game variable and
//     nothing Form1 shows, and leaves the dialog open.
//   - An accepted entry takes the stake and the turns as the texts read, never
//     leaves the money below 0, shows both in Form1 and closes the dialog.

#include "FakePlatform.h"
#include "Require.h"
#include "game/Bet.h"
#include "game/NumberText.h"
#include "game/TypedDigits.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace kuvel;
using enum Control;
using fuzz::require;

struct Input {
    std::int16_t money = 100;
    std::string_view stake;
    std::string_view turns;
};

std::string_view nextLine(std::string_view& rest)
{
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    return line;
}

Input parse(std::string_view data)
{
    Input input;
    const std::string_view money = nextLine(data);
    unsigned value = 0;
    if (std::from_chars(money.data(), money.data() + money.size(), value).ec == std::errc{})
        input.money = static_cast<std::int16_t>(value % 32768);
    input.stake = nextLine(data);
    input.turns = data;
    return input;
}

bool isRefusal(std::string_view message)
{
    return message == english(Message::StakeHelp) || message == english(Message::TurnsHelp) ||
        message == english(Message::NegativeMoney);
}

void checkRefused(const test::FakePlatform& p, const Module1& m, const Module1& before, const test::Displays& shown,
                  std::string_view data)
{
    require(p.messages.size() == 1 && isRefusal(p.messages[0].text), "a refusal is explained once", data);
    require(m == before, "a refusal changes no game variable", data);
    require(test::displaysOf(p.form1) == shown, "a refusal changes nothing Form1 shows", data);
    require(!p.form1.visible() && p.form2->visible(), "a refusal leaves the dialog open", data);
}

void checkAccepted(const test::FakePlatform& p, const Module1& m, const Module1& before, const Input& input,
                   std::string_view data)
{
    require(p.messages.empty(), "an accepted bet shows no message", data);
    require(m.Money >= 0, "money never goes below 0", data);
    require(m.Bet == textToInteger(withAsciiDigits(input.stake)) &&
                m.TurnLimit == textToInteger(withAsciiDigits(input.turns)),
            "the stake and the turns are the texts read", data);
    require(m.Money == before.Money - m.Bet, "the stake leaves the money", data);
    require(p.form1.text(Text4) == integerToText(m.Money) && p.form1.text(Text5) == integerToText(m.Bet),
            "Form1 shows the new money and bet", data);
    require(p.form1.visible() && !p.form2->visible(), "the dialog closes", data);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    const Input input = parse(data);
    test::FakePlatform p;
    Module1 m = test::startValues();
    m.Money = input.money;
    p.form1.setText(Text4, integerToText(m.Money));

    Form1_Command2_Click(p);
    p.Form2().setText(Text1, input.stake);
    p.Form2().setText(Text2, input.turns);
    const Module1 before = m;
    const test::Displays shown = test::displaysOf(p.form1);
    Form2_Command1_Click(m, p);

    if (p.form2->visible())
        checkRefused(p, m, before, shown, data);
    else
        checkAccepted(p, m, before, input, data);
    return 0;
}
