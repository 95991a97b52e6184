// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "RightToLeftGeometry.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace kuvel::ui {

namespace {

// Qt aligns a label's or a box's text by the direction of the text itself, so digits
// and Latin words would still stand at the left of a right-to-left window.
Qt::Alignment toTheRight(Qt::Alignment alignment)
{
    if (!(alignment & Qt::AlignLeft))
        return alignment;
    return (alignment & ~Qt::AlignHorizontal_Mask) | Qt::AlignRight | Qt::AlignAbsolute;
}

}  // namespace

void mirrorIfRightToLeft(QWidget& form)
{
    if (!form.isRightToLeft())
        return;
    for (QWidget* control : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        control->move(std::max(0, form.width() - control->x() - control->width()), control->y());
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setAlignment(toTheRight(label->alignment()));
        else if (auto* box = qobject_cast<QLineEdit*>(control))
            box->setAlignment(toTheRight(box->alignment()));
    }
}

}  // namespace kuvel::ui
