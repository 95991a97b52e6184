// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "LineBreaksAsBlanks.h"

namespace kuvel::ui {

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

}  // namespace

QValidator::State LineBreaksAsBlanks::validate(QString& input, int& /*position*/) const
{
    for (QChar& c : input)
        if (isLineBreak(c))
            c = u' ';
    return Acceptable;
}

}  // namespace kuvel::ui
