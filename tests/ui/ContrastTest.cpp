// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Session.h"

#include <QApplication>
#include <QStyle>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kuvel::test {
namespace {

// WCAG 2 relative luminance of an sRGB colour.
double luminance(const QColor& colour)
{
    auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The text colour and the colour behind it, as Qt paints each kind of control: a
// button on its face, a box on its base, a label and an option (whose caption the
// style draws in the window-text colour) on whatever fills the area under them,
// their own background or else the nearest parent's.
std::pair<QColor, QColor> textAndBackground(const QWidget& w, QPalette::ColorGroup group)
{
    if (qobject_cast<const QPushButton*>(&w))
        return {w.palette().color(group, QPalette::ButtonText), w.palette().color(group, QPalette::Button)};
    if (qobject_cast<const QLineEdit*>(&w))
        return {w.palette().color(group, QPalette::Text), w.palette().color(group, QPalette::Base)};
    const QPalette::ColorRole text = qobject_cast<const QLabel*>(&w) ? w.foregroundRole() : QPalette::WindowText;
    const QWidget* filled = &w;
    while (!filled->autoFillBackground() && !filled->isWindow())
        filled = filled->parentWidget();
    return {w.palette().color(group, text), filled->palette().color(group, filled->backgroundRole())};
}

// WCAG AA: 4.5:1, or 3:1 for large text from 18 pt on.
double required(const QWidget& w)
{
    return w.font().pointSizeF() >= 18 ? 3.0 : 4.5;
}

// The visible controls whose text does not stand out enough from its background,
// one a line with its contrast, in a focused or else an unfocused window.
std::string unreadable(const QWidget& window, const std::set<QString>& exempt = {})
{
    QString found;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const bool control = w->inherits("QLabel") || w->inherits("QAbstractButton") || w->inherits("QLineEdit");
        if (!control || !w->isVisible() || exempt.contains(w->objectName()))
            continue;
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            const auto [text, background] = textAndBackground(*w, group);
            const double ratio = contrast(text, background);
            if (ratio < required(*w)) {
                found += QStringLiteral("\n%1 %2:1 (%3 on %4)")
                             .arg(w->objectName())
                             .arg(ratio, 0, 'f', 2)
                             .arg(text.name(), background.name());
                break;
            }
        }
    }
    return found.toStdString();
}

void expectReadable(const QWidget& window, const char* when, const std::set<QString>& exempt = {})
{
    const std::string found = unreadable(window, exempt);
    EXPECT_TRUE(found.empty()) << when << ", too little contrast:" << found;
}

struct Theme {
    const char* name;
    std::vector<std::pair<QPalette::ColorRole, QColor>> colours;
};

void PrintTo(const Theme& theme, std::ostream* out)
{
    *out << theme.name;
}

QPalette paletteOf(const Theme& theme)
{
    QPalette palette = QApplication::style()->standardPalette();
    for (const auto& [role, colour] : theme.colours)
        palette.setColor(role, colour);
    return palette;
}

using enum QPalette::ColorRole;

const Theme Themes[] = {
    {"Light", {}},
    {"Dark",
     {{Window, QColor(0x353535)},
      {WindowText, QColor(0xeeeeec)},
      {Base, QColor(0x2d2d2d)},
      {Text, QColor(0xeeeeec)},
      {Button, QColor(0x373737)},
      {ButtonText, QColor(0xeeeeec)}}},
    {"HighContrast",
     {{Window, Qt::black},
      {WindowText, Qt::white},
      {Base, Qt::black},
      {Text, Qt::white},
      {Button, Qt::black},
      {ButtonText, Qt::white}}},
};

// The combination labels turn black on an all-different roll, text and all: the
// one place where the game hides its own text, for as long as the roll is shown.
const std::set<QString> AllDifferentLabels = {"Label7", "Label8", "Label9", "Label10", "Label11"};

class Contrast : public testing::TestWithParam<Theme> {
protected:
    void SetUp() override { QApplication::setPalette(paletteOf(GetParam())); }
    void TearDown() override { QApplication::setPalette(desktop_); }

private:
    QPalette desktop_ = QApplication::palette();
};

TEST_P(Contrast, EveryVisibleTextStandsOutFromWhatItIsPaintedOn)
{
    Session s;
    expectReadable(s.form1(), "at start");
    s.readyToGo({1, 2, 3, 4, 5, 6});
    expectReadable(s.form1(), "all different", AllDifferentLabels);
    s.readyToGo({6, 6, 6, 6, 6, 6});
    expectReadable(s.form1(), "every combination highlighted");
    s.makeABet();
    expectReadable(s.form2(), "bet dialog");
}

INSTANTIATE_TEST_SUITE_P(Themes, Contrast, testing::ValuesIn(Themes),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kuvel::test
