// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Session.h"

#include "app/Translations.h"
#include "ui/Fonts.h"
#include "ui/WrappingButton.h"

#include <QFile>
#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QRegularExpression>
#include <QSet>
#include <QTextLayout>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
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

// Every word of a translation is drawn whole from one font, as the windows draw it,
// and no character as an empty box. Latin, Greek and Cyrillic words come from
// Liberation Sans itself: a letter it lacks would come from another font, which the
// layout was not measured with. The other scripts come from whatever installed font
// Qt chooses, with the fonts the game asks for in the language. Format characters
// (bidirectional marks, joiners, the zero-width space between Thai-like words) draw
// nothing and are left out.
class TranslationWordsIn : public testing::TestWithParam<std::string> {};

INSTANTIATE_TEST_SUITE_P(Languages, TranslationWordsIn,
                         testing::ValuesIn(everyLanguage.begin() + 1, everyLanguage.end()), named);

bool inLiberationsScripts(QLocale::Script script)
{
    return script == QLocale::LatinScript || script == QLocale::GreekScript || script == QLocale::CyrillicScript;
}

// The families a word is drawn from, and whether any character of it has no glyph.
std::pair<QSet<QString>, bool> drawn(const QString& word, const QFont& font)
{
    QTextLayout layout(word, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QSet<QString> families;
    bool box = false;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        families.insert(run.rawFont().familyName().toLower());
        box = box || run.glyphIndexes().contains(0);
    }
    return {families, box};
}

// The translation's words: runs of letters and their marks in one script. Digits and
// punctuation may come from the Latin font beside another script's word, as they do
// in print; Chinese and Japanese write no spaces, and each ideograph or kana stands
// on its own.
bool standsAlone(QChar::Script script)
{
    return script == QChar::Script_Han || script == QChar::Script_Hiragana || script == QChar::Script_Katakana;
}

QStringList wordsOf(const QString& text)
{
    QStringList words{QString()};
    QChar::Script wordScript = QChar::Script_Unknown;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Script script = QChar::script(c);
        if (QChar::category(c) == QChar::Other_Format)
            continue;
        const bool inWord = QChar::isLetter(c) || QChar::isMark(c);
        const bool sameWord = script == QChar::Script_Inherited || script == QChar::Script_Common ||
            (script == wordScript && !standsAlone(script));
        if (!inWord || !sameWord)
            words.append(QString());
        if (inWord) {
            words.back() += QString::fromUcs4(&c, 1);
            if (script != QChar::Script_Inherited && script != QChar::Script_Common)
                wordScript = script;
        }
    }
    words.removeAll(QString());
    return words;
}

TEST_P(TranslationWordsIn, AreDrawnWholeFromOneFont)
{
    const Translations translations{{QString::fromStdString(GetParam())}};
    const QLocale locale(QString::fromStdString(GetParam()));
    ui::useFontSubstitutes();
    QLabel asTheGameDrawsIt;
    asTheGameDrawsIt.setFont(QFont(QStringLiteral("MS Sans Serif")));
    ui::useFontsOfTheLanguage(asTheGameDrawsIt);
    QFile ts(QStringLiteral(KUVEL_I18N_DIR "/kuvel_%1.ts").arg(QString::fromStdString(GetParam())));
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    QStringList boxes, mixed;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"translation") {
            const QString text = xml.readElementText();
            for (const QString& word : text.split(QRegularExpression(QStringLiteral("[\\s\\x{200B}]+"))))
                if (drawn(word, asTheGameDrawsIt.font()).second)
                    boxes += word;
            for (const QString& word : wordsOf(text)) {
                const QSet<QString> families = drawn(word, asTheGameDrawsIt.font()).first;
                if (families.size() > 1 ||
                    (inLiberationsScripts(locale.script()) && !families.contains(QStringLiteral("liberation sans"))))
                    mixed += word + QStringLiteral(" (") + QStringList(families.values()).join(u',') + u')';
            }
        }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(boxes.size(), 0) << "empty boxes in: " << boxes.join(u' ').toStdString();
    EXPECT_EQ(mixed.size(), 0) << "not from one font: " << mixed.join(u' ').toStdString();
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
    // Shrunk to fit, a caption stays legible: a word that would be drawn smaller is too long.
    for (QWidget* window : {static_cast<QWidget*>(&s.form1()), static_cast<QWidget*>(&s.form2())})
        for (QWidget* control : window->findChildren<QWidget*>())
            if (const QVariant designed = control->property("kuvelDesignedFont"); designed.isValid()) {
                EXPECT_GE(control->font().pointSizeF(), 0.6 * designed.value<QFont>().pointSizeF())
                    << control->objectName().toStdString();
            }
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
    const QString text = box.text();
    const int overhang = text.isEmpty()
        ? 0
        : std::max(0, -metrics.leftBearing(text.front())) + std::max(0, -metrics.rightBearing(text.back()));
    const int needed = metrics.horizontalAdvance(text) + 2 * 2 + 1 + overhang;
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
