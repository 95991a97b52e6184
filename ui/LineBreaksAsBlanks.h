// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include <QValidator>

namespace kuvel::ui {

// Turns line breaks in a one-line box into blanks, whether typed, pasted or set:
// a number copied from a list arrives with its line break, which the box shows
// as a blank and must therefore read as one. Every text is acceptable.
class LineBreaksAsBlanks : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};

}  // namespace kuvel::ui
