// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include <QByteArray>
#include <QStringList>

#include <functional>

namespace kuvel {

// The languages the player reads, best first, as QLocale::uiLanguages() names them
// ("sr-Latn-RS", "de-DE"), with the script that the environment names by a locale's
// modifier: glibc writes Serbian in Latin letters as "sr_RS.UTF-8@latin" or, in
// LANGUAGE, "sr@latin", and Qt 6.4 drops the modifier and reads Cyrillic.
QStringList playerLanguages();

// The same for a list and an environment of a test's choosing. The variables are read
// in gettext's order: LANGUAGE (unless the locale is C), LC_ALL, LC_MESSAGES, LANG;
// the first that names a language decides its script.
QStringList withScriptModifiers(QStringList languages, const std::function<QByteArray(const char*)>& environment);

}  // namespace kuvel
