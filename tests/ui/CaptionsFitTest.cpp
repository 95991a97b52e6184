// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Session.h"

#include "app/Translations.h"
#include "ui/WrappingButton.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace kuvel::test {
namespace {

// English first, then every language the game speaks.
std::vector<std::string> languages()
{
    std::vector<std::string> all;
    for (const QString& language : QStringLiteral("en," KUVEL_LANGUAGES).split(u','))
        all.push_back(language.toStdString());
    return all;
}

const std::vector<std::string> everyLanguage = languages();

std::string named(const testing::TestParamInfo<std::string>& info)
{
    return info.param;
}

// The windows in each language: a translation that does not fit is shortened, the
// layout never grows.
class CaptionsFitIn : public testing::TestWithParam<std::string> {
protected:
    Translations translations{{QString::fromStdString(GetParam())}};
};

INSTANTIATE_TEST_SUITE_P(Languages, CaptionsFitIn, testing::ValuesIn(everyLanguage), named);

// Every letter of a translation is drawn from a font of its script. Latin, Greek
// and Cyrillic letters are Liberation Sans's own: one it lacks would be drawn from
// another font, which the layout was not measured with. The other scripts come from
// whatever installed font offers them. Format characters, the bidirectional and
// joiner marks, have no glyph in any font.
class TranslationLettersIn : public testing::TestWithParam<std::string> {};

INSTANTIATE_TEST_SUITE_P(Languages, TranslationLettersIn,
                         testing::ValuesIn(everyLanguage.begin() + 1, everyLanguage.end()), named);

std::optional<QFontDatabase::WritingSystem> writingSystem(QLocale::Script script)
{
    switch (script) {
    case QLocale::SimplifiedHanScript:
        return QFontDatabase::SimplifiedChinese;
    case QLocale::TraditionalHanScript:
        return QFontDatabase::TraditionalChinese;
    case QLocale::JapaneseScript:
        return QFontDatabase::Japanese;
    case QLocale::KoreanScript:
        return QFontDatabase::Korean;
    case QLocale::ArabicScript:
        return QFontDatabase::Arabic;
    case QLocale::HebrewScript:
        return QFontDatabase::Hebrew;
    case QLocale::DevanagariScript:
        return QFontDatabase::Devanagari;
    default:
        return std::nullopt;
    }
}

std::vector<QRawFont> fontsFor(const QLocale& locale)
{
    const std::optional<QFontDatabase::WritingSystem> script = writingSystem(locale.script());
    if (!script)
        return {QRawFont::fromFont(QFont(QStringLiteral("Liberation Sans")))};
    std::vector<QRawFont> fonts;
    for (const QString& family : QFontDatabase::families(*script))
        fonts.push_back(QRawFont::fromFont(QFont(family)));
    return fonts;
}

TEST_P(TranslationLettersIn, HaveAGlyphInAFontOfTheirScript)
{
    const QLocale locale(QString::fromStdString(GetParam()));
    const std::vector<QRawFont> fonts = fontsFor(locale);
    ASSERT_FALSE(fonts.empty()) << "no installed font offers the script";
    if (!writingSystem(locale.script())) {
        ASSERT_EQ(fonts[0].familyName(), QStringLiteral("Liberation Sans"));
    }
    QFile ts(QStringLiteral(KUVEL_I18N_DIR "/kuvel_%1.ts").arg(QString::fromStdString(GetParam())));
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    QString lacking;
    const auto drawn = [&](char32_t letter) {
        return std::any_of(fonts.begin(), fonts.end(), [&](const QRawFont& f) { return f.supportsCharacter(letter); });
    };
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"translation")
            for (const char32_t letter : xml.readElementText().toUcs4())
                if (letter >= u' ' && QChar::category(letter) != QChar::Other_Format && !drawn(letter))
                    lacking += QString::fromUcs4(&letter, 1);
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(lacking.size(), 0) << lacking.toStdString();
}

// The score boxes lie over the right end of their titles: a caption may reach
// under a control drawn above it as far as the English "Points" does.
constexpr int MostHiddenUnderANeighbour = 2;

// How far the caption reaches under the controls drawn after it, the lesser of
// the width and the height of the largest overlap.
int hiddenUnderNeighbours(const QLabel& label, const QRect& caption)
{
    const QRect inWindow = caption.translated(label.pos());
    const QObjectList& siblings = label.parentWidget()->children();
    int hidden = 0;
    for (qsizetype i = siblings.indexOf(&label) + 1; i < siblings.size(); ++i)
        if (auto* above = qobject_cast<QWidget*>(siblings[i]); above != nullptr && above->isVisible()) {
            const QRect covered = inWindow.intersected(above->geometry());
            hidden = std::max(hidden, std::min(covered.width(), covered.height()));
        }
    return hidden;
}

// Every caption is drawn whole inside its control and is not hidden under another.
TEST_P(CaptionsFitIn, EveryLabelShowsItsWholeCaption)
{
    Session s;
    for (QLabel* label : s.form1().findChildren<QLabel*>()) {
        const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
        EXPECT_TRUE(label->contentsRect().contains(needed)) << label->objectName().toStdString();
        EXPECT_LE(hiddenUnderNeighbours(*label, needed), MostHiddenUnderANeighbour)
            << label->objectName().toStdString() << " \"" << label->text().toStdString() << '"';
    }
}

TEST_P(CaptionsFitIn, ReadyToGoWrapsInsideItsButton)
{
    Session s;
    auto& button = child<ui::WrappingButton>(s.form1(), "Command1");
    EXPECT_TRUE(button.rect().contains(button.captionRect())) << button.text().toStdString();
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

// A box's text starts and ends this far inside the box's contents.
constexpr int LineEditMargin = 2;

int contentsWidth(QLineEdit& box)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
    const QRect area = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
    return area.marginsRemoved(box.textMargins()).width() - 2 * LineEditMargin;
}

TEST_P(CaptionsFitIn, OneLineButtonsOptionsAndTheDialogsTextsShowTheirWholeCaption)
{
    Session s;
    s.makeABet();
    for (QPushButton* button : {&child<QPushButton>(s.form1(), "Command2"), &child<QPushButton>(s.form2(), "Command1")})
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), contentsWidth(*button))
            << button->text().toStdString();
    for (QRadioButton* option : s.form1().findChildren<QRadioButton*>())
        EXPECT_LE(option->sizeHint().width(), option->width()) << option->text().toStdString();
    for (QLineEdit* box : s.form2().findChildren<QLineEdit*>())
        EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()), contentsWidth(*box)) << box->text().toStdString();
}

TEST(CaptionsFit, MsSansSerifIsDrawnWithLiberationSans)
{
    Session s;
    EXPECT_EQ(QFontInfo(child<QLabel>(s.form1(), "Label7").font()).family().toStdString(), "Liberation Sans");
}

}  // namespace
}  // namespace kuvel::test

namespace kuvel::test {
namespace {

// The captions the game writes later, at their widest, and the bet dialog's boxes.
// These run a second time with Liberation Sans hidden, where a wider sans stands in
// and the game shrinks whatever would be cut off.
bool showsWhole(const QLabel& label)
{
    const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    return label.contentsRect().contains(label.fontMetrics().boundingRect(label.contentsRect(), flags, label.text()));
}

// A line edit keeps 2 pixels clear on either side and 1 for the cursor.
bool showsWhole(const QLineEdit& box)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    const QFontMetrics metrics = box.fontMetrics();
    const int needed = metrics.horizontalAdvance(box.text()) + 2 * 2 + 1 + std::max(0, -metrics.minLeftBearing()) +
        std::max(0, -metrics.minRightBearing());
    return needed <= box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box).width();
}

TEST(CaptionsFit, WidestTotalsAndAmountsShowWhole)
{
    Session s;
    for (Control total : {Control::T1, Control::T2, Control::T3})
        s.form1().setCaption(total, "32767");
    for (Control amount : {Control::Text4, Control::Text5})
        s.form1().setText(amount, "-32768");
    for (const char* total : {"T1", "T2", "T3"})
        EXPECT_TRUE(showsWhole(child<QLabel>(s.form1(), total))) << total;
    for (const char* amount : {"Text4", "Text5"})
        EXPECT_TRUE(showsWhole(child<QLineEdit>(s.form1(), amount))) << amount;
}

TEST(CaptionsFit, ShorterTotalGetsTheDesignedSizeBack)
{
    Session s;
    auto& total = child<QLabel>(s.form1(), "T2");
    const QFont designed = total.font();
    s.form1().setCaption(Control::T2, "32767");
    s.form1().setCaption(Control::T2, "0");
    EXPECT_EQ(total.font(), designed);
}

TEST(CaptionsFit, BetDialogBoxesShowTheirWholeText)
{
    Session s;
    s.makeABet();
    for (const char* box : {"Text1", "Text2"})
        EXPECT_TRUE(showsWhole(child<QLineEdit>(s.form2(), box))) << box;
}

}  // namespace
}  // namespace kuvel::test
