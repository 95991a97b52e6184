#include "FakePlatform.h"
#include "game/Turn.h"

#include <gtest/gtest.h>

namespace kuvel::test {
namespace {

using enum Control;

TEST(TurnFrame, FirstPressWithoutBetShowsNoticeBeforeTheDice)
{
    FakePlatform p;
    Module1 m = startValues();
    p.queueFaces({1, 2, 3, 4, 5, 6});
    Form1_Command1_Click(m, p);
    ASSERT_EQ(p.messages.size(), 2u);
    EXPECT_EQ(p.messages[0].text, "Bet next time - this time I'll let you see what happens.");
    EXPECT_EQ(p.messages[0].shown.dice, "######");
    EXPECT_EQ(p.messages[0].shown.T1, "0");
    EXPECT_EQ(p.form1.caption(T1), "1");
    EXPECT_EQ(m.TurnCount, 1);
    EXPECT_EQ(m.PlayerPoints, 66);
}

}  // namespace
}  // namespace kuvel::test
