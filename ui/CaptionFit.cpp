// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "CaptionFit.h"

#include "WrappingButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

namespace kuvel::ui {

namespace {

constexpr const char* DesignedFont = "kuvelDesignedFont";
constexpr double PointStep = 0.25;
constexpr double SmallestPointSize = 6;
// QLineEdit keeps this many pixels clear on either side of its text, and one more
// for the cursor.
constexpr int LineEditMargins = 2 * 2 + 1;

bool showsWhole(const QLabel& label)
{
    const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    return label.contentsRect().contains(label.fontMetrics().boundingRect(label.contentsRect(), flags, label.text()));
}

bool showsWhole(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    const QRect contents = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return button.fontMetrics().horizontalAdvance(button.text()) <= contents.width();
}

// How far the text's own first and last letters reach out of their advance. The
// font's worst case would shrink texts that fit: Liberation Sans 2.1 reserves 22
// pixels at 13.5 pt for letters the text may not hold.
int overhang(const QFontMetrics& metrics, const QString& text)
{
    if (text.isEmpty())
        return 0;
    return std::max(0, -metrics.leftBearing(text.front())) + std::max(0, -metrics.rightBearing(text.back()));
}

bool showsWhole(const QLineEdit& box)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
    const QFontMetrics metrics = box.fontMetrics();
    return metrics.horizontalAdvance(box.text()) + overhang(metrics, box.text()) + LineEditMargins <= contents.width();
}

bool showsWhole(const QWidget& control)
{
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return showsWhole(*label);
    if (const auto* wrapping = qobject_cast<const WrappingButton*>(&control))
        return wrapping->rect().contains(wrapping->captionRect());
    if (const auto* button = qobject_cast<const QPushButton*>(&control))
        return showsWhole(*button);
    if (const auto* option = qobject_cast<const QRadioButton*>(&control))
        return option->sizeHint().width() <= option->width();
    if (const auto* box = qobject_cast<const QLineEdit*>(&control))
        return showsWhole(*box);
    return true;
}

}  // namespace

void fitCaption(QWidget& control)
{
    const QVariant designed = control.property(DesignedFont);
    if (designed.isValid())
        control.setFont(designed.value<QFont>());
    if (showsWhole(control))
        return;
    if (!designed.isValid())
        control.setProperty(DesignedFont, control.font());
    QFont font = control.font();
    while (!showsWhole(control) && font.pointSizeF() > SmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - PointStep);
        control.setFont(font);
    }
}

void fitCaptions(QWidget& window)
{
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        fitCaption(*control);
}

}  // namespace kuvel::ui
