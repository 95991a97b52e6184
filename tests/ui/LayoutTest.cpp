// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Session.h"

#include <QApplication>
#include <QGuiApplication>
#include <QColor>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace kuvel::test {
namespace {

enum class Kind { Label, Button, Option, Box };

constexpr double WindowFont = 0;

struct Row {
    const char* name;
    Kind kind;
    const char* text;
    QRect geometry;
    double points;  // WindowFont: the window's own font
    std::optional<QColor> background;  // none: the kind's default
    bool border = false;
    bool centred = false;
    bool visible = true;
};

void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

const QColor Yellow(255, 255, 128), White(255, 255, 255), Green(0, 255, 0), Magenta(255, 0, 255);
const char* const HelpText =
    "Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or "
    "you'll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you're off! A "
    "kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can't give too much more "
    "away. Just don't run out of money. Toodles!";

using enum Kind;

// Twips divided by 15.
const Row Form1Rows[] = {
    {"Label1", Label, "#", {48, 40, 33, 33}, 18, Yellow, true, true},
    {"Label2", Label, "#", {80, 40, 33, 33}, 18, Yellow, true, true},
    {"Label3", Label, "#", {112, 40, 33, 33}, 18, Yellow, true, true},
    {"Label4", Label, "#", {144, 40, 33, 33}, 18, Yellow, true, true},
    {"Label5", Label, "#", {176, 40, 33, 33}, 18, Yellow, true, true},
    {"Label6", Label, "#", {208, 40, 33, 33}, 18, Yellow, true, true},
    {"Label7", Label, "Pair", {104, 80, 81, 33}, 18, White, false, true},
    {"Label8", Label, "Triple", {104, 112, 81, 33}, 18, White, false, true},
    {"Label9", Label, "Quad", {104, 144, 81, 33}, 18, White, false, true},
    {"Label10", Label, "Quint", {104, 176, 81, 33}, 18, White, false, true},
    {"Label11", Label, "Kuvel", {104, 208, 81, 33}, 18, White, false, true},
    {"Label12", Label, "Turn", {304, 56, 65, 33}, 18, Green, false, true},
    {"Label13", Label, "Points", {288, 88, 81, 33}, 18, Green, false, true},
    {"Label14", Label, "CPoints", {272, 120, 89, 33}, 18, Green, false, true},
    {"Command1", Button, "Ready To Go", {288, 168, 97, 65}, 18, {}},
    {"Label15", Label, HelpText, {96, 248, 433, 201}, 13.5, {}},
    {"Option1", Option, "1", {408, 48, 81, 33}, WindowFont, Magenta},
    {"Option2", Option, "2", {408, 72, 81, 33}, WindowFont, Magenta},
    {"Option3", Option, "3", {408, 96, 81, 33}, WindowFont, Magenta},
    {"Option4", Option, "5", {408, 120, 81, 33}, WindowFont, Magenta},
    {"Option5", Option, "10", {408, 144, 81, 33}, WindowFont, Magenta},
    {"Option6", Option, "20", {408, 168, 81, 33}, WindowFont, Magenta},
    {"Option7", Option, "50", {408, 192, 81, 33}, WindowFont, Magenta},
    {"Option8", Option, "100", {408, 216, 81, 33}, WindowFont, Magenta},
    {"Label16", Label, "0", {24, 208, 81, 33}, WindowFont, {}, false, false, false},
    {"Label17", Label, "0", {24, 176, 81, 33}, WindowFont, {}, false, false, false},
    {"Label18", Label, "0", {24, 144, 81, 33}, WindowFont, {}, false, false, false},
    {"Label19", Label, "0", {24, 112, 81, 33}, WindowFont, {}, false, false, false},
    {"Label20", Label, "0", {24, 80, 81, 33}, WindowFont, {}, false, false, false},
    {"Text4", Box, "100", {536, 72, 129, 33}, 18, {}, false, true},
    {"Text5", Box, "0", {536, 136, 129, 33}, 18, {}, false, true},
    {"Label21", Label, "Money", {536, 40, 129, 33}, 18, {}, false, true},
    {"Label22", Label, "Bet", {536, 104, 129, 33}, 18, {}, false, true},
    {"Command2", Button, "Make a bet", {536, 168, 129, 33}, 18, {}},
    {"T1", Label, "0", {360, 56, 41, 33}, 9.75, White, true},
    {"T2", Label, "0", {360, 88, 41, 33}, 9.75, White, true},
    {"T3", Label, "0", {360, 120, 41, 33}, 9.75, White, true},
};

// The boxes overhang the window by a pixel and the button is cut off at the bottom.
const Row Form2Rows[] = {
    {"Text1", Box, "Amount to Bet", {0, 0, 153, 32}, 13.5, {}},
    {"Text2", Box, "Number of Turns", {0, 32, 153, 33}, 13.5, {}},
    {"Command1", Button, "OK", {0, 64, 153, 33}, WindowFont, {}},
};

const char* className(Kind kind)
{
    switch (kind) {
    case Label:
        return "QLabel";
    case Button:
        return "QPushButton";
    case Option:
        return "QRadioButton";
    case Box:
        return "QLineEdit";
    }
    return "";
}

QString textOf(QWidget& w)
{
    if (auto* label = qobject_cast<QLabel*>(&w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(&w))
        return button->text();
    return qobject_cast<QLineEdit*>(&w)->text();
}

Qt::Alignment horizontalAlignment(QWidget& w)
{
    if (auto* label = qobject_cast<QLabel*>(&w))
        return label->alignment() & Qt::AlignHorizontal_Mask;
    return qobject_cast<QLineEdit*>(&w)->alignment() & Qt::AlignHorizontal_Mask;
}

// A default background is the platform's: the control face for labels and buttons,
// the text-box colour for boxes.
QPalette::ColorRole defaultRole(Kind kind)
{
    return kind == Box ? QPalette::Base : QPalette::Button;
}

void expectLayout(QWidget& window, const Row& row)
{
    QWidget& w = child<QWidget>(window, row.name);
    EXPECT_TRUE(w.inherits(className(row.kind)));
    EXPECT_EQ(textOf(w).toStdString(), row.text);
    EXPECT_EQ(w.geometry(), row.geometry);
    EXPECT_EQ(w.isVisible(), row.visible);
    EXPECT_TRUE(w.isEnabled());

    const QFont font = w.font();
    if (row.points == WindowFont) {
        EXPECT_EQ(font, window.font());
    } else {
        EXPECT_EQ(font.family().toStdString(), "MS Sans Serif");
        EXPECT_EQ(font.pointSizeF(), row.points);
        EXPECT_EQ(font.weight(), QFont::Normal);
        EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
    }

    if (row.background) {
        EXPECT_TRUE(w.autoFillBackground());
        EXPECT_EQ(w.palette().color(w.backgroundRole()), *row.background);
    } else {
        EXPECT_EQ(w.backgroundRole(), defaultRole(row.kind));
        EXPECT_EQ(w.palette().color(w.backgroundRole()), QApplication::palette().color(defaultRole(row.kind)));
        EXPECT_EQ(w.autoFillBackground(), row.kind == Label);
    }

    if (row.kind == Label || row.kind == Box) {
        EXPECT_EQ(horizontalAlignment(w), row.centred ? Qt::AlignHCenter : Qt::AlignLeft);
    }
    if (auto* label = qobject_cast<QLabel*>(&w)) {
        EXPECT_EQ(label->frameShape(), row.border ? QFrame::Box : QFrame::NoFrame);
        EXPECT_EQ(label->frameShadow(), QFrame::Plain);
        EXPECT_EQ(label->lineWidth(), 1);
        EXPECT_EQ(label->wordWrap(), std::string_view(row.name) == "Label15");
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    }
    // The program writes the money and the bet; the player types only into the dialog.
    if (auto* box = qobject_cast<QLineEdit*>(&w)) {
        EXPECT_EQ(box->isReadOnly(), window.objectName() == "Form1");
    }
    if (auto* button = qobject_cast<QPushButton*>(&w)) {
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }
}

class Form1Layout : public testing::TestWithParam<Row> {};

TEST_P(Form1Layout, ControlMatchesTheTable)
{
    Session s;
    expectLayout(s.form1(), GetParam());
}

// In a right-to-left language every control stands at the mirror image of its place,
// never left of the window's edge.
QRect mirrored(const QRect& place, const QWidget& window)
{
    return {std::max(0, window.width() - place.x() - place.width()), place.y(), place.width(), place.height()};
}

struct RightToLeft {
    RightToLeft() { QGuiApplication::setLayoutDirection(Qt::RightToLeft); }
    ~RightToLeft() { QGuiApplication::setLayoutDirection(Qt::LeftToRight); }
};

void expectMirrored(QWidget& window, const Row& row)
{
    QWidget& w = child<QWidget>(window, row.name);
    EXPECT_EQ(w.geometry(), mirrored(row.geometry, window));
    if (row.kind == Label || row.kind == Box) {
        EXPECT_EQ(horizontalAlignment(w), row.centred ? Qt::AlignHCenter : Qt::AlignRight | Qt::AlignAbsolute);
    }
}

TEST_P(Form1Layout, ControlIsMirroredRightToLeft)
{
    const RightToLeft direction;
    Session s;
    expectMirrored(s.form1(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Form1, Form1Layout, testing::ValuesIn(Form1Rows),
                         [](const auto& info) { return std::string(info.param.name); });

class Form2Layout : public testing::TestWithParam<Row> {};

TEST_P(Form2Layout, ControlMatchesTheTable)
{
    Session s;
    s.makeABet();
    expectLayout(s.form2(), GetParam());
}

TEST_P(Form2Layout, ControlIsMirroredRightToLeft)
{
    const RightToLeft direction;
    Session s;
    s.makeABet();
    expectMirrored(s.form2(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Form2, Form2Layout, testing::ValuesIn(Form2Rows),
                         [](const auto& info) { return std::string(info.param.name); });

struct WindowRow {
    const char* title;
    QSize size;
    std::optional<QColor> background;
    double points;  // WindowFont: the platform's
};

void PrintTo(const WindowRow& row, std::ostream* out)
{
    *out << row.title;
}

class WindowLayout : public testing::TestWithParam<WindowRow> {};

TEST_P(WindowLayout, TitleFixedClientAreaBackgroundAndFont)
{
    Session s;
    const WindowRow& row = GetParam();
    QWidget& window = std::string_view(row.title) == "Form1" ? static_cast<QWidget&>(s.form1()) : s.form2();
    EXPECT_EQ(window.objectName().toStdString(), row.title);
    EXPECT_EQ(window.windowTitle().toStdString(), row.title);
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.size(), row.size);
    EXPECT_EQ(window.minimumSize(), row.size);
    EXPECT_EQ(window.maximumSize(), row.size);
    if (row.background)
        EXPECT_EQ(window.palette().color(QPalette::Window), *row.background);
    else
        EXPECT_EQ(window.palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
    if (row.points == WindowFont) {
        EXPECT_EQ(window.font(), QApplication::font());
    } else {
        EXPECT_EQ(window.font().family().toStdString(), "MS Sans Serif");
        EXPECT_EQ(window.font().pointSizeF(), row.points);
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowLayout,
                         testing::Values(WindowRow{"Form1", {690, 490}, Magenta, WindowFont},
                                         WindowRow{"Form2", {152, 95}, {}, 18}),
                         [](const auto& info) { return std::string(info.param.title); });

}  // namespace
}  // namespace kuvel::test
