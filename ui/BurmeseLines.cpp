// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "BurmeseLines.h"

#include <QFontMetrics>
#include <QString>

#include <algorithm>

namespace kuvel::ui {

namespace {

bool hasBurmese(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Myanmar; });
}

bool endsAWord(QChar c)
{
    return c == QChar(0x200B) || c == u' ' || c == u'\n';
}

}  // namespace

QString withBurmeseLinesBroken(const QString& text, const QFontMetrics& metrics, int width)
{
    if (!hasBurmese(text))
        return text;
    QString lines;
    QString line;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = std::find_if(text.begin() + start, text.end(), endsAWord) - text.begin();
        const QString word = text.mid(start, std::min<qsizetype>(end + 1, text.size()) - start);
        if (!line.isEmpty() && metrics.horizontalAdvance(line + word.trimmed()) > width) {
            lines += line + QChar(QChar::LineSeparator);
            line.clear();
        }
        line += word;
        if (word.endsWith(u'\n')) {
            lines += line;
            line.clear();
        }
        start = end + 1;
    }
    return lines + line;
}

}  // namespace kuvel::ui
