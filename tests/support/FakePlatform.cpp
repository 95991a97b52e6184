// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "FakePlatform.h"

namespace kuvel::test {

using enum Control;

FakePlatform::FakePlatform() : random_(dice) {}

FakePlatform::FakePlatform(RandomSource& random) : random_(random) {}

Window& FakePlatform::Form2()
{
    if (!form2)
        form2 = FakeWindow::form2();
    return *form2;
}

Displays displaysOf(const Window& form1)
{
    std::string dice;
    for (int i = 0; i < 6; ++i)
        dice += form1.caption(dieLabel(i));
    return {form1.caption(T1), form1.caption(T2), form1.caption(T3), form1.text(Text4), form1.text(Text5), dice};
}

void FakePlatform::message(kuvel::Message id, const std::vector<Value>& values)
{
    messages.push_back({english(id, values), displaysOf(form1)});
    if (onMessage)
        onMessage(messages.back());
}

void FakePlatform::summarise(const std::vector<Phrase>& summary)
{
    summaries.push_back(sentences(summary, englishText));
}

std::vector<std::string> FakePlatform::messageTexts() const
{
    std::vector<std::string> texts;
    for (const Message& m : messages)
        texts.push_back(m.text);
    return texts;
}

Module1 startValues()
{
    return {100, 0, 50, 0, 0, 0, 0};
}

}  // namespace kuvel::test
