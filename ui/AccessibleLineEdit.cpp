// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "AccessibleLineEdit.h"

#include "CharacterOffsets.h"

#include <QGlyphRun>
#include <QLineEdit>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <optional>
#include <utility>

namespace kuvel::ui {

AccessibleLineEdit::AccessibleLineEdit(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

QLineEdit* AccessibleLineEdit::box() const
{
    return static_cast<QLineEdit*>(widget());
}

int AccessibleLineEdit::units(int characters) const
{
    return toUnits(box()->text(), characters);
}

int AccessibleLineEdit::characters(int units) const
{
    return toCharacters(box()->text(), units);
}

void* AccessibleLineEdit::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface && !box()->isReadOnly())
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleLineEdit::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = box()->isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
}

QString AccessibleLineEdit::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
}

void AccessibleLineEdit::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && box()->hasSelectedText()) {
        *startOffset = characters(box()->selectionStart());
        *endOffset = characters(box()->selectionEnd());
    }
}

int AccessibleLineEdit::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void AccessibleLineEdit::addSelection(int startOffset, int endOffset)
{
    selectCharacters(startOffset, endOffset);
}

void AccessibleLineEdit::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): QAccessibleTextInterface's signature
void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        selectCharacters(startOffset, endOffset);
}

void AccessibleLineEdit::selectCharacters(int startOffset, int endOffset)
{
    const int length = static_cast<int>(box()->text().size());
    const int start = std::clamp(units(startOffset), 0, length);
    const int end = std::clamp(units(endOffset), start, length);
    box()->setSelection(start, end - start);
}

int AccessibleLineEdit::cursorPosition() const
{
    return characters(box()->cursorPosition());
}

void AccessibleLineEdit::setCursorPosition(int position)
{
    box()->setCursorPosition(units(position));
}

QString AccessibleLineEdit::text(int startOffset, int endOffset) const
{
    const QString text = box()->text();
    const int length = static_cast<int>(text.size());
    // -1 as the end is the end of the text.
    const int end = endOffset < 0 ? length : std::clamp(units(endOffset), 0, length);
    const int start = std::clamp(units(startOffset), 0, end);
    return text.mid(start, end - start);
}

// NOLINTBEGIN(bugprone-easily-swappable-parameters): the offsets of QAccessibleTextInterface, in its order
QString AccessibleLineEdit::segmentText(int offset, QAccessible::TextBoundaryType boundaryType, Side side,
                                        int* startOffset, int* endOffset) const
// NOLINTEND(bugprone-easily-swappable-parameters)
{
    const QString text = box()->text();
    const TextRange range = segment(text, toUnits(text, offset), boundaryType, side);
    *startOffset = toCharacters(text, range.start);
    *endOffset = toCharacters(text, range.end);
    return range.start < 0 ? QString() : text.mid(range.start, range.end - range.start);
}

QString AccessibleLineEdit::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                             int* endOffset) const
{
    return segmentText(offset, boundaryType, Side::Before, startOffset, endOffset);
}

QString AccessibleLineEdit::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                            int* endOffset) const
{
    return segmentText(offset, boundaryType, Side::After, startOffset, endOffset);
}

QString AccessibleLineEdit::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                         int* endOffset) const
{
    return segmentText(offset, boundaryType, Side::At, startOffset, endOffset);
}

int AccessibleLineEdit::characterCount() const
{
    return characters(static_cast<int>(box()->text().size()));
}

namespace {

// From the left to the right end of the glyphs that draw these characters, in the
// layout's own coordinates: a right-to-left character, and one where the text turns
// direction, stands where it is drawn, not where the caret before it is.
std::optional<std::pair<qreal, qreal>> drawnBetween(const QTextLayout& layout, int from, int length)
{
    std::optional<std::pair<qreal, qreal>> span;
    for (const QGlyphRun& run : layout.glyphRuns(from, length)) {
        const QList<QPointF> positions = run.positions();
        const QList<QPointF> advances = run.rawFont().advancesForGlyphIndexes(run.glyphIndexes());
        for (qsizetype i = 0; i < positions.size() && i < advances.size(); ++i) {
            const qreal left = positions[i].x();
            const qreal right = left + advances[i].x();
            span =
                span ? std::pair(std::min(span->first, left), std::max(span->second, right)) : std::pair(left, right);
        }
    }
    return span;
}

}  // namespace

QRect AccessibleLineEdit::characterRect(int offset) const
{
    const QString text = box()->text();
    const int at = units(offset);
    if (at < 0 || at > text.size())
        return {};
    // Laid out as the box lays out its text, and placed by the caret, which the box
    // puts wherever its text is aligned or scrolled.
    QTextLayout layout(text, box()->font());
    QTextOption option;
    option.setTextDirection(box()->layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const qreal origin = caret.x() - line.cursorToX(box()->cursorPosition());
    // After the last character: the caret's place there.
    std::pair<qreal, qreal> span{line.cursorToX(at), line.cursorToX(at) + 1};
    if (at < text.size())
        span = drawnBetween(layout, at, units(offset + 1) - at).value_or(span);
    const int x = qRound(origin + span.first);
    const int width = std::max(1, qRound(span.second - span.first));
    return {box()->mapToGlobal(QPoint(x, caret.y())), QSize(width, caret.height())};
}

int AccessibleLineEdit::offsetAtPoint(const QPoint& point) const
{
    const QPoint inside = box()->mapFromGlobal(point);
    return box()->rect().contains(inside) ? characters(box()->cursorPositionAt(inside)) : -1;
}

void AccessibleLineEdit::scrollToSubstring(int startIndex, int endIndex)
{
    box()->setCursorPosition(units(endIndex));
    box()->setCursorPosition(units(startIndex));
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): QAccessibleTextInterface's signature
QString AccessibleLineEdit::attributes(int offset, int* startOffset, int* endOffset) const
{
    const bool inside = offset >= 0 && offset <= characterCount();
    *startOffset = inside ? 0 : -1;
    *endOffset = inside ? characterCount() : -1;
    return {};
}

void AccessibleLineEdit::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, {});
}

void AccessibleLineEdit::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

void AccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString& text)
{
    if (box()->isReadOnly())
        return;
    selectCharacters(startOffset, endOffset);
    // As typed: through the box's validator and its undo history.
    if (text.isEmpty())
        box()->del();
    else
        box()->insert(text);
}

namespace {

QAccessibleInterface* lineEditInterface(const QString& className, QObject* object)
{
    auto* box = qobject_cast<QLineEdit*>(object);
    if (className != QLatin1String("QLineEdit") || box == nullptr)
        return nullptr;
    // Owned by Qt's accessibility cache, which deletes it with the box.
    return new AccessibleLineEdit(box);
}

}  // namespace

void answerForLineEdits()
{
    QAccessible::installFactory(lineEditInterface);
}

}  // namespace kuvel::ui
