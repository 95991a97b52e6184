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

}  // namespace
}  // namespace kuvel::test
