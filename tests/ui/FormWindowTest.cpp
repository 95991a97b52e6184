// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Session.h"

#include "game/Errors.h"

#include <gtest/gtest.h>

#include <functional>

namespace kuvel::test {
namespace {

using enum Control;

struct Misuse {
    const char* name;
    bool onForm2;
    std::function<void(Window&)> operation;
};

void PrintTo(const Misuse& m, std::ostream* out)
{
    *out << m.name;
}

class WindowMisuse : public testing::TestWithParam<Misuse> {};

TEST_P(WindowMisuse, ThrowsControlError)
{
    Session s;
    Window& window = GetParam().onForm2 ? static_cast<Window&>(s.form2()) : s.form1();
    EXPECT_THROW(GetParam().operation(window), ControlError);
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowMisuse,
                         testing::Values(Misuse{"CaptionOfABox", false, [](Window& w) { w.caption(Text4); }},
                                         Misuse{"TextOfALabel", false, [](Window& w) { w.text(Label1); }},
                                         Misuse{"SelectionOfAButton", false, [](Window& w) { w.isSelected(Command1); }},
                                         Misuse{"ColourOfAnOption", false,
                                                [](Window& w) { w.setBackColour(Option1, RGB(0, 0, 0)); }},
                                         Misuse{"Form2sBoxOnForm1", false, [](Window& w) { w.setText(Text1, "1"); }},
                                         Misuse{"DieOnForm2", true, [](Window& w) { w.setCaption(Label1, "1"); }},
                                         Misuse{"OptionOnForm2", true, [](Window& w) { w.isSelected(Option4); }},
                                         Misuse{"FocusOnAButton", true, [](Window& w) { w.focusAndSelect(Command1); }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowTexts, CrossBetweenTheGameAndTheWidgetsAsUtf8)
{
    Session s;
    const std::string text = "Gr\xC3\xBC\xC3\x9F\x65 \xE2\x82\xAC 5";  // "Grüße € 5"
    s.form1().setCaption(Label15, text);
    EXPECT_EQ(child<QLabel>(s.form1(), "Label15").text(), QString::fromUtf8("Grüße € 5"));
    EXPECT_EQ(s.form1().caption(Label15), text);
    child<QLineEdit>(s.form2(), "Text1").setText(QString::fromUtf8("¼"));
    EXPECT_EQ(s.form2().text(Text1), "\xC2\xBC");
}

}  // namespace
}  // namespace kuvel::test
