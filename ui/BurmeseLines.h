// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

class QFontMetrics;
class QString;

namespace kuvel::ui {

// Qt 6.4 breaks a Burmese line between any two syllables, inside a word too, and a
// WORD JOINER does not stop it. The translation marks the places between words with
// ZERO WIDTH SPACE; a text with Burmese letters is broken into lines there and at its
// blanks, each line no wider than the width, before Qt sees it, so that Qt's own
// wrapping finds nothing more to break. Any other text comes back as it is.
QString withBurmeseLinesBroken(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace kuvel::ui
