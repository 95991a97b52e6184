// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "TextSegments.h"

#include <QAccessibleWidget>

class QLineEdit;

namespace kuvel::ui {

// What a screen reader learns of a text box and may do to it, in place of Qt 6.4's
// own interface, which hangs on a word at the end of the text, answers the text
// attributes in empty runs that cut a value's last character off, reports read-only
// boxes as editable and lets any program on the bus write into them. Offsets are in
// characters, as AT-SPI counts them.
class AccessibleLineEdit final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface {
public:
    explicit AccessibleLineEdit(QLineEdit* box);

    void* interface_cast(QAccessible::InterfaceType type) override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QString text(QAccessible::Text t) const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    [[nodiscard]] int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    [[nodiscard]] int cursorPosition() const override;
    void setCursorPosition(int position) override;
    [[nodiscard]] QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    // One run over the whole text: the boxes have no formatting of their own.
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // Only the dialog's boxes take edits, each as if typed there; the others refuse
    // them, as the player's money and stake change only by the rules.
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    [[nodiscard]] QLineEdit* box() const;
    [[nodiscard]] int units(int characters) const;
    [[nodiscard]] int characters(int units) const;
    // The segment's text, its ends given in characters.
    QString segmentText(int offset, QAccessible::TextBoundaryType boundaryType, Side side, int* startOffset,
                        int* endOffset) const;
    // Selects the characters from start to end, within the text.
    void selectCharacters(int startOffset, int endOffset);
};

// Lets every QLineEdit made from now on answer through AccessibleLineEdit.
void answerForLineEdits();

}  // namespace kuvel::ui
