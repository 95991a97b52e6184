// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Session.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace kuvel::test {
namespace {

std::string focused()
{
    QWidget* widget = QApplication::focusWidget();
    return widget ? widget->objectName().toStdString() : "(none)";
}

class Keyboard : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QTest::qWaitForWindowActive(&s.form1())); }
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    Session s;
};

TEST_F(Keyboard, ReadyToGoHasTheFocusWhenTheWindowFirstShows)
{
    EXPECT_EQ(focused(), "Command1");
}

TEST_F(Keyboard, FocusChainRunsReadyToGoOptionsBoxesMakeABet)
{
    std::vector<std::string> chain;
    QWidget* w = &child<QWidget>(s.form1(), "Command1");
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            chain.push_back(w->objectName().toStdString());
        w = w->nextInFocusChain();
    } while (w->objectName() != "Command1");
    EXPECT_EQ(chain, (std::vector<std::string>{"Command1", "Option4", "Text4", "Text5", "Command2"}));
}

// The option group is one stop for Tab, on the selected option; the arrow keys
// move the selection, and the stop goes with it.
TEST_F(Keyboard, TabLandsOnTheSelectedOptionArrowsMoveTheSelection)
{
    std::vector<std::string> order{focused()};
    for (int i = 0; i < 5; ++i) {
        press(Qt::Key_Tab);
        order.push_back(focused());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Command1", "Option4", "Text4", "Text5", "Command2", "Command1"}));

    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), "Option5");
    EXPECT_TRUE(child<QRadioButton>(s.form1(), "Option5").isChecked());
    EXPECT_FALSE(child<QRadioButton>(s.form1(), "Option4").isChecked());
    press(Qt::Key_Tab);
    press(Qt::Key_Backtab);
    EXPECT_EQ(focused(), "Option5");
}

struct EnterKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int repeats;  // further presses while the key is held
};

void PrintTo(const EnterKey& k, std::ostream* out)
{
    *out << k.name;
}

class EnterOnReadyToGo : public Keyboard, public testing::WithParamInterface<EnterKey> {};

TEST_P(EnterOnReadyToGo, PlaysOneTurn)
{
    s.dice.queueFaces({1, 2, 3, 4, 5, 6});
    const EnterKey& k = GetParam();
    QWidget& button = child<QWidget>(s.form1(), "Command1");
    QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers);
    QApplication::sendEvent(&button, &press);
    for (int i = 0; i < k.repeats; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, k.key, k.modifiers, QString(), true);
        QApplication::sendEvent(&button, &repeat);
    }
    EXPECT_EQ(s.shown("T1"), "1");
}

INSTANTIATE_TEST_SUITE_P(Keys, EnterOnReadyToGo,
                         testing::Values(EnterKey{"Return", Qt::Key_Return, Qt::NoModifier, 0},
                                         EnterKey{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier, 0},
                                         EnterKey{"ReturnHeld", Qt::Key_Return, Qt::NoModifier, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Keyboard, SpacePlaysATurnAndOpensTheBetDialog)
{
    s.dice.queueFaces({1, 2, 3, 4, 5, 6});
    press(Qt::Key_Space);
    EXPECT_EQ(s.shown("T1"), "1");

    press(Qt::Key_Backtab);
    ASSERT_EQ(focused(), "Command2");
    press(Qt::Key_Space);
    EXPECT_TRUE(s.form2().isVisible());
    EXPECT_FALSE(s.form1().isVisible());
}

// Escape leaves the bet dialog as its close button does, from wherever the focus is in it.
// A held key closes once: Escape still repeating after it dismissed a refusal over the
// dialog arrives at the dialog as repeats only, and the dialog stays.
struct EscapeIn {
    const char* name;
    const char* control;
    bool repeatsOnly;
};

void PrintTo(const EscapeIn& e, std::ostream* out)
{
    *out << e.name;
}

class EscapeInTheBetDialog : public Keyboard, public testing::WithParamInterface<EscapeIn> {};

TEST_P(EscapeInTheBetDialog, ClosesItLeavingMoneyAndBetAsTheyWere)
{
    const BetState before = s.betState();
    s.makeABet();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s.form2()));
    QWidget& from = child<QWidget>(s.form2(), GetParam().control);
    from.setFocus();
    if (GetParam().repeatsOnly) {
        for (int i = 0; i < 3; ++i)
            qt_sendShortcutOverrideEvent(&from, 0, Qt::Key_Escape, Qt::NoModifier, QString(), true);
    } else {
        QTest::keyClick(&from, Qt::Key_Escape);
    }
    const bool closed = !GetParam().repeatsOnly;
    EXPECT_EQ(s.form2().isVisible(), !closed);
    EXPECT_EQ(s.form1().isVisible(), closed);
    if (closed) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&s.form1()));
        EXPECT_EQ(focused(), "Command2");
    }
    EXPECT_EQ(s.betState(), before);
}

INSTANTIATE_TEST_SUITE_P(Keys, EscapeInTheBetDialog,
                         testing::Values(EscapeIn{"StakeBox", "Text1", false}, EscapeIn{"TurnsBox", "Text2", false},
                                         EscapeIn{"Ok", "Command1", false}, EscapeIn{"Held", "Text1", true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kuvel::test
