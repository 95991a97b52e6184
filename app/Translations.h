// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include <QtGlobal>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace kuvel {

// The game in the first of the player's languages that it speaks, with Qt's own
// catalogue in the same language so that the message boxes' buttons match. Both
// stay installed while the object lives. English is the game's own text: a player
// who prefers it, or whose languages have no translation, or whose translation
// cannot be read, plays in English. While a translation is installed, it is also
// QLocale's default, which the windows read to choose fonts for its script.
class Translations {
public:
    // languages: best first, as QLocale::uiLanguages() gives them ("de-DE", "pt-BR").
    explicit Translations(const QStringList& languages, const QString& directory = QStringLiteral(":/i18n"));

    ~Translations();
    Q_DISABLE_COPY_MOVE(Translations)

private:
    static QStringList fileNames(const QLocale& locale);
    // Installs the game's translation for the locale, with Qt's; false if it has none.
    bool load(const QLocale& locale, const QString& directory);

    QTranslator game_;
    QTranslator qt_;
    QLocale previousDefault_;
};

}  // namespace kuvel
