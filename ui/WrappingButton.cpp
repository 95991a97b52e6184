// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "WrappingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace kuvel::ui {

namespace {

constexpr int CaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

}  // namespace

QRect WrappingButton::contentsArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    return area;
}

QRect WrappingButton::captionRect() const
{
    return fontMetrics().boundingRect(contentsArea(), CaptionFlags, text());
}

void WrappingButton::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the face and the focus frame; the caption is drawn wrapped.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(contentsArea(), CaptionFlags, palette(), isEnabled(), text(), QPalette::ButtonText);
}

}  // namespace kuvel::ui
