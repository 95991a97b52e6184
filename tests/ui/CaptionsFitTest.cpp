#include "Session.h"

#include "ui/WrappingButton.h"

#include <QFontInfo>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

namespace kuvel::test {
namespace {

// Every caption is drawn whole inside its control: nothing is cut off.
TEST(CaptionsFit, EveryLabelShowsItsWholeCaption)
{
    Session s;
    for (QLabel* label : s.form1().findChildren<QLabel*>()) {
        const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
        EXPECT_TRUE(label->contentsRect().contains(needed)) << label->objectName().toStdString();
    }
}

TEST(CaptionsFit, ReadyToGoWrapsOntoTwoLinesInsideItsButton)
{
    Session s;
    auto& button = child<ui::WrappingButton>(s.form1(), "Command1");
    EXPECT_EQ(button.text().toStdString(), "Ready To Go");
    const QRect caption = button.captionRect();
    EXPECT_TRUE(button.rect().contains(caption));
    EXPECT_EQ(qRound(double(caption.height()) / button.fontMetrics().lineSpacing()), 2);
    EXPECT_GT(button.fontMetrics().horizontalAdvance(button.text()), caption.width());
}

int contentsWidth(QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
}

TEST(CaptionsFit, OneLineButtonsAndOptionsShowTheirWholeCaption)
{
    Session s;
    s.makeABet();
    for (QPushButton* button : {&child<QPushButton>(s.form1(), "Command2"), &child<QPushButton>(s.form2(), "Command1")})
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), contentsWidth(*button))
            << button->text().toStdString();
    for (QRadioButton* option : s.form1().findChildren<QRadioButton*>())
        EXPECT_LE(option->sizeHint().width(), option->width()) << option->text().toStdString();
}

TEST(CaptionsFit, MsSansSerifIsDrawnWithLiberationSans)
{
    Session s;
    EXPECT_EQ(QFontInfo(child<QLabel>(s.form1(), "Label7").font()).family().toStdString(), "Liberation Sans");
}

}  // namespace
}  // namespace kuvel::test
