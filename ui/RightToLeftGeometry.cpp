// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "RightToLeftGeometry.h"

#include <QWidget>

#include <algorithm>

namespace kuvel::ui {

void mirrorIfRightToLeft(QWidget& form)
{
    if (!form.isRightToLeft())
        return;
    for (QWidget* control : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->move(std::max(0, form.width() - control->x() - control->width()), control->y());
}

}  // namespace kuvel::ui
