// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "RecordingMessages.h"

#include <QString>
#include <QWidget>

#include <algorithm>

namespace kuvel::test {

void RecordingMessages::show(QWidget* parent, const QString& text)
{
    ShownMessage shown;
    shown.text = text.toStdString();
    shown.parent = parent ? parent->objectName().toStdString() : std::string();
    if (form1 != nullptr)
        shown.shown = displaysOf(*form1);
    messages.push_back(shown);
    if (onMessage)
        onMessage(messages.back());
}

std::vector<std::string> RecordingMessages::texts() const
{
    std::vector<std::string> result(messages.size());
    std::ranges::transform(messages, result.begin(), &Message::text);
    return result;
}

}  // namespace kuvel::test
