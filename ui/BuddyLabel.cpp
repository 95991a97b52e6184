// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "BuddyLabel.h"

#include <QLabel>

namespace kuvel::ui {

void nameWithLabel(QLabel& label, QWidget& control, const QString& text)
{
    label.setBuddy(&control);
    label.setText(QString(text).replace(u'&', QStringLiteral("&&")));
}

}  // namespace kuvel::ui
