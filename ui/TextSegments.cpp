// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "TextSegments.h"

#include <QTextBoundaryFinder>

#include <vector>

namespace kuvel::ui {

namespace {

// Where the parts of the text start, then where the text ends.
std::vector<int> cuts(const QString& text, QAccessible::TextBoundaryType boundary)
{
    const int length = static_cast<int>(text.size());
    std::vector<int> at{0};
    const bool oneLine = boundary != QAccessible::CharBoundary && boundary != QAccessible::WordBoundary &&
        boundary != QAccessible::SentenceBoundary;
    if (!oneLine) {
        const auto kind = boundary == QAccessible::CharBoundary ? QTextBoundaryFinder::Grapheme
            : boundary == QAccessible::WordBoundary             ? QTextBoundaryFinder::Word
                                                                : QTextBoundaryFinder::Sentence;
        QTextBoundaryFinder finder(kind, text);
        // -1 past the last boundary ends the walk.
        for (qsizetype p = finder.toNextBoundary(); p > 0 && p < length; p = finder.toNextBoundary()) {
            if (kind != QTextBoundaryFinder::Word ||
                finder.boundaryReasons().testFlag(QTextBoundaryFinder::StartOfItem))
                at.push_back(static_cast<int>(p));
        }
    }
    if (length > 0)
        at.push_back(length);
    return at;
}

}  // namespace

TextRange segment(const QString& text, int offset, QAccessible::TextBoundaryType boundary, Side side)
{
    const int length = static_cast<int>(text.size());
    if (offset < 0 || offset > length)
        return {};
    const std::vector<int> at = cuts(text, boundary);
    const int parts = static_cast<int>(at.size()) - 1;
    int k = 0;
    while (k < parts && at[k + 1] <= offset)
        ++k;
    if (offset == length && parts > 0 && boundary != QAccessible::CharBoundary)
        k = parts - 1;
    const int wanted = side == Side::Before ? k - 1 : side == Side::After ? k + 1 : k;
    if (wanted < 0)
        return {0, 0};
    if (wanted >= parts)
        return {length, length};
    return {at[wanted], at[wanted + 1]};
}

}  // namespace kuvel::ui
