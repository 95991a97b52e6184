// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Session.h"

#include <QAccessible>

#include <gtest/gtest.h>

namespace kuvel::test {
namespace {

struct Accessible {
    std::string name, description;
    bool operator==(const Accessible&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Accessible& a)
    {
        return out << "{\"" << a.name << "\", \"" << a.description << "\"}";
    }
};

Accessible accessible(QWidget& window, const char* control)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&child<QWidget>(window, control));
    return {a->text(QAccessible::Name).toStdString(), a->text(QAccessible::Description).toStdString()};
}

struct Row {
    const char* control;
    Accessible expected;
};

void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.control;
}

// A value label's name is its caption, so a screen reader reads the value; its
// description says what the value is.
const Row Form1Rows[] = {
    {"Label1", {"#", "Die 1"}},
    {"Label2", {"#", "Die 2"}},
    {"Label3", {"#", "Die 3"}},
    {"Label4", {"#", "Die 4"}},
    {"Label5", {"#", "Die 5"}},
    {"Label6", {"#", "Die 6"}},
    {"T1", {"0", "Turns played"}},
    {"T2", {"0", "Your points"}},
    {"T3", {"0", "Computer points"}},
    {"Text4", {"Money", ""}},
    {"Text5", {"Bet", ""}},
    {"Option1", {"1", "Computer points per turn"}},
    {"Option4", {"5", "Computer points per turn"}},
    {"Option8", {"100", "Computer points per turn"}},
    {"Command1", {"Ready To Go", ""}},
    {"Command2", {"Make a bet", ""}},
};

class Form1Accessible : public testing::TestWithParam<Row> {};

TEST_P(Form1Accessible, NameAndDescription)
{
    Session s;
    EXPECT_EQ(accessible(s.form1(), GetParam().control), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Form1, Form1Accessible, testing::ValuesIn(Form1Rows),
                         [](const auto& info) { return std::string(info.param.control); });

TEST(Form2Accessible, BoxesAreNamedAfterWhatToType)
{
    Session s;
    s.makeABet();
    EXPECT_EQ(accessible(s.form2(), "Text1"), (Accessible{"Amount to Bet", ""}));
    EXPECT_EQ(accessible(s.form2(), "Text2"), (Accessible{"Number of Turns", ""}));
    s.form2().setText(Control::Text1, "10");
    EXPECT_EQ(accessible(s.form2(), "Text1").name, "Amount to Bet");
}

TEST(Form1Accessible, ValueLabelsReadOutTheirNewValuesAfterATurn)
{
    Session s;
    s.readyToGo({6, 2, 3, 4, 5, 1});
    EXPECT_EQ(accessible(s.form1(), "Label1"), (Accessible{"6", "Die 1"}));
    EXPECT_EQ(accessible(s.form1(), "Label6"), (Accessible{"1", "Die 6"}));
    EXPECT_EQ(accessible(s.form1(), "T1"), (Accessible{"1", "Turns played"}));
    EXPECT_EQ(accessible(s.form1(), "T2"), (Accessible{"66", "Your points"}));
    EXPECT_EQ(accessible(s.form1(), "T3"), (Accessible{"5", "Computer points"}));
}

}  // namespace
}  // namespace kuvel::test
