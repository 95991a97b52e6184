#include "Session.h"

#include <QApplication>
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
    EXPECT_EQ(chain, (std::vector<std::string>{"Command1", "Option1", "Option2", "Option3", "Option4", "Option5",
                                               "Option6", "Option7", "Option8", "Text4", "Text5", "Command2"}));
}

// The option group is one stop for Tab; the arrow keys move through it and Space selects.
TEST_F(Keyboard, TabVisitsTheOptionGroupOnceArrowsAndSpaceSelectWithinIt)
{
    std::vector<std::string> order{focused()};
    for (int i = 0; i < 5; ++i) {
        press(Qt::Key_Tab);
        order.push_back(focused());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Command1", "Option1", "Text4", "Text5", "Command2", "Command1"}));

    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), "Option2");
    press(Qt::Key_Space);
    EXPECT_TRUE(child<QRadioButton>(s.form1(), "Option2").isChecked());
    EXPECT_FALSE(child<QRadioButton>(s.form1(), "Option4").isChecked());
}

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
