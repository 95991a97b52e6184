// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Turn.h"

#include "Captions.h"
#include "Dice.h"
#include "Int16.h"
#include "NumberText.h"
#include "Scoring.h"
#include "Settlement.h"

#include <algorithm>
#include <string>
#include <vector>

namespace kuvel {

namespace {

using enum Control;

void resetDisplay(Window& form1)
{
    for (Control label : {Label7, Label8, Label9, Label10, Label11})
        form1.setBackColour(label, RGB(256, 256, 256));
    for (Control counter : {Label16, Label17, Label18, Label19, Label20})
        form1.setCaption(counter, integerToText(0));
}

void noBetNotice(Module1& m, Platform& platform)
{
    // Text5 is read on every turn, also once the notice has been shown.
    const bool noBet = textToDouble(platform.Form1().text(Text5)) == 0.0;
    if (noBet && m.NoBetNoticeShown == 0) {
        platform.message(Message::NoBetNotice);
        m.NoBetNoticeShown = 1;
    }
}

void countTurn(Module1& m, Window& form1)
{
    // Both stop at 32767, so T1 always shows TurnCount.
    form1.setCaption(T1, doubleToText(std::min<double>(captionPlusOne(form1, T1), Int16Max)));
    m.TurnCount = saturated16(m.TurnCount + 1);
}

// The dice, the turn and both totals as the window shows them.
Phrase turnSummary(const Window& form1)
{
    std::vector<std::string> values;
    for (Control shown : {Label1, Label2, Label3, Label4, Label5, Label6, T1, T2, T3})
        values.push_back(form1.caption(shown));
    return {Message::TurnSummary, values};
}

Phrase moneySummary(const Window& form1)
{
    return {Message::MoneySummary, {form1.text(Text4), form1.text(Text5)}};
}

}  // namespace

void Form1_Command1_Click(Module1& m, Platform& platform)
{
    resetDisplay(platform.Form1());
    noBetNotice(m, platform);
    rollDice(platform);
    countTurn(m, platform.Form1());
    countMatches(platform.Form1());
    scoreRoll(m, platform);
    addComputerPoints(m, platform.Form1());
    // Taken before a settlement sets the board back to zeros, which is not what was played.
    std::vector<Phrase> summary{turnSummary(platform.Form1())};
    settleIfDue(m, platform);
    const bool settled = m.TurnCount == 0;  // counted at least once above, so only a reset leaves 0
    if (settled)
        summary.push_back(moneySummary(platform.Form1()));
    platform.summarise(summary);
}

}  // namespace kuvel
