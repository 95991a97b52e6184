// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
// A bare window with Form1's 37 controls: the same kinds, texts, places, sizes and
// hidden counters, with the toolkit's default fonts and colours and no behaviour.
// Whatever kuvel needs beyond this to start is its own cost.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <array>

namespace {

enum class Kind { Label, HiddenLabel, WrappedLabel, Box, Option, Button };

struct Item {
    Kind kind;
    const char* text;
    int left, top, width, height;  // twips
};

constexpr const char* HelpText =
    "Make a bet before you begin...enter the bet (not more than your money) and the number of turns "
    "(1 to 100 or you'll be in for a long game). Adjust the points the computer gets, click Ready to Go, "
    "and you're off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind..."
    "I can't give too much more away. Just don't run out of money. Toodles!";

constexpr std::array<Item, 37> Items = {{
    {Kind::Label, "#", 720, 600, 495, 495},
    {Kind::Label, "#", 1200, 600, 495, 495},
    {Kind::Label, "#", 1680, 600, 495, 495},
    {Kind::Label, "#", 2160, 600, 495, 495},
    {Kind::Label, "#", 2640, 600, 495, 495},
    {Kind::Label, "#", 3120, 600, 495, 495},
    {Kind::Label, "Pair", 1560, 1200, 1215, 495},
    {Kind::Label, "Triple", 1560, 1680, 1215, 495},
    {Kind::Label, "Quad", 1560, 2160, 1215, 495},
    {Kind::Label, "Quint", 1560, 2640, 1215, 495},
    {Kind::Label, "Kuvel", 1560, 3120, 1215, 495},
    {Kind::Label, "Turn", 4560, 840, 975, 495},
    {Kind::Label, "Points", 4320, 1320, 1215, 495},
    {Kind::Label, "CPoints", 4080, 1800, 1335, 495},
    {Kind::Button, "Ready To Go", 4320, 2520, 1455, 975},
    {Kind::WrappedLabel, HelpText, 1440, 3720, 6495, 3015},
    {Kind::Option, "1", 6120, 720, 1215, 495},
    {Kind::Option, "2", 6120, 1080, 1215, 495},
    {Kind::Option, "3", 6120, 1440, 1215, 495},
    {Kind::Option, "5", 6120, 1800, 1215, 495},
    {Kind::Option, "10", 6120, 2160, 1215, 495},
    {Kind::Option, "20", 6120, 2520, 1215, 495},
    {Kind::Option, "50", 6120, 2880, 1215, 495},
    {Kind::Option, "100", 6120, 3240, 1215, 495},
    {Kind::HiddenLabel, "0", 360, 3120, 1215, 495},
    {Kind::HiddenLabel, "0", 360, 2640, 1215, 495},
    {Kind::HiddenLabel, "0", 360, 2160, 1215, 495},
    {Kind::HiddenLabel, "0", 360, 1680, 1215, 495},
    {Kind::HiddenLabel, "0", 360, 1200, 1215, 495},
    {Kind::Box, "100", 8040, 1080, 1935, 495},
    {Kind::Box, "0", 8040, 2040, 1935, 495},
    {Kind::Label, "Money", 8040, 600, 1935, 495},
    {Kind::Label, "Bet", 8040, 1560, 1935, 495},
    {Kind::Button, "Make a bet", 8040, 2520, 1935, 495},
    {Kind::Label, "0", 5400, 840, 615, 495},
    {Kind::Label, "0", 5400, 1320, 615, 495},
    {Kind::Label, "0", 5400, 1800, 615, 495},
}};

// 15 twips to the pixel at 96 dots per inch.
constexpr int px(int twips)
{
    return twips / 15;
}

QWidget* make(const Item& item, QWidget* window)
{
    const QString text = QString::fromUtf8(item.text);
    switch (item.kind) {
    case Kind::Box:
        return new QLineEdit(text, window);
    case Kind::Option:
        return new QRadioButton(text, window);
    case Kind::Button:
        return new QPushButton(text, window);
    default:
        break;
    }
    auto* label = new QLabel(text, window);
    label->setWordWrap(item.kind == Kind::WrappedLabel);
    label->setVisible(item.kind != Kind::HiddenLabel);
    return label;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Form1");
    window.setFixedSize(px(10350), px(7350));
    for (const Item& item : Items)
        make(item, &window)->setGeometry(px(item.left), px(item.top), px(item.width), px(item.height));
    window.show();
    return QApplication::exec();
}
