// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Bet.h"

#include "Errors.h"
#include "Int16.h"
#include "NumberText.h"
#include "TypedDigits.h"

#include <cstdint>
#include <optional>

namespace kuvel {

namespace {

using enum Control;

std::optional<std::int16_t> wholeNumberIn(const Window& form2, Control box)
{
    try {
        return textToInteger(withAsciiDigits(form2.text(box)));
    } catch (const TypeMismatch&) {
        return std::nullopt;
    } catch (const Overflow&) {
        return std::nullopt;
    }
}

void refuse(Platform& platform, Control box, Message why)
{
    platform.message(why);
    platform.Form2().focusAndSelect(box);
}

}  // namespace

void Form1_Command2_Click(Platform& platform)
{
    if (textToDouble(platform.Form1().text(Text5)) != 0.0)
        return;
    platform.Form1().hide();
    platform.Form2().show();
}

void Form2_Command1_Click(Module1& m, Platform& platform)
{
    Window& form2 = platform.Form2();
    const std::optional<std::int16_t> stake = wholeNumberIn(form2, Text1);
    if (!stake || *stake < 0)
        return refuse(platform, Text1, Message::StakeHelp);
    if (*stake > m.Money)
        return refuse(platform, Text1, Message::NegativeMoney);
    const std::optional<std::int16_t> turns = wholeNumberIn(form2, Text2);
    if (!turns)
        return refuse(platform, Text2, Message::TurnsHelp);

    m.Bet = *stake;
    m.Money = checked16(m.Money - m.Bet);
    m.TurnLimit = *turns;
    Window& form1 = platform.Form1();
    form1.setText(Text4, integerToText(m.Money));
    form1.setText(Text5, integerToText(m.Bet));
    form1.show();
    form2.hide();
}

}  // namespace kuvel
