// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

class QWidget;

namespace kuvel::ui {

// The forms ask for "MS Sans Serif"; where it is missing a metric-compatible sans
// stands in. Must run before the first form is built.
void useFontSubstitutes();

// Every control of the window, and the window, asks after its own font for the fonts
// that draw the game's language whole where Qt's own choice would not: Liberation
// Sans has no Arabic letters, and the first font Qt finds for Urdu, DejaVu Sans, lacks
// ہ and ے (and Pashto's ۍ), which then come from another font in the middle of a
// word. Urdu and Pashto ask for Naskh fonts that have every letter of theirs; the
// Nastaliq style Urdu readers prefer is too tall for the forms' captions. The
// language is QLocale's default.
void useFontsOfTheLanguage(QWidget& window);

// Designer forms hold whole point sizes only, so the fractional sizes (13.5, 9.75)
// are set here on top of the family the form asks for.
void setPointSize(QWidget& widget, double points);

}  // namespace kuvel::ui
