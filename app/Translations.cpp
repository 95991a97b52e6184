// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

#include <optional>

namespace kuvel {

namespace {

// The language a player reads where the game has no translation of their own, and
// Qt's list of the locale's names does not lead there: Hong Kong and Macao read the
// Traditional Chinese of Taiwan, Singapore the Simplified Chinese of the mainland,
// and readers of Punjabi in Arabic letters (Shahmukhi) the Urdu of Pakistan's schools.
std::optional<QLocale> neighbour(const QLocale& locale)
{
    if (locale.language() == QLocale::Chinese)
        return QLocale(QLocale::Chinese,
                       locale.script() == QLocale::TraditionalHanScript ? QLocale::Taiwan : QLocale::China);
    if (locale.language() == QLocale::Punjabi && locale.script() == QLocale::ArabicScript)
        return QLocale(QLocale::Urdu, QLocale::Pakistan);
    return std::nullopt;
}

// A file in another script than the player's is no translation for them: "pa", in
// Gurmukhi, cannot be read in Pakistan, nor "sr", in Cyrillic, by a reader of Latin
// Serbian. A name Qt does not know names no script, and is kept.
bool sameScript(const QString& name, const QLocale& locale)
{
    const QLocale::Script script = QLocale(name).script();
    return script == QLocale::AnyScript || locale.script() == QLocale::AnyScript || script == locale.script();
}

}  // namespace

Translations::Translations(const QStringList& languages, const QString& directory)
{
    for (const QString& language : languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || load(locale, directory))
            return;
        if (const std::optional<QLocale> other = neighbour(locale); other && load(*other, directory))
            return;
    }
}

Translations::~Translations()
{
    QLocale::setDefault(previousDefault_);
}

// The names a translation of the locale may have, best first: the locale's own names
// whole ("pt_Latn_BR", "pt_BR"), then shortened ("pt"), each in the locale's script.
// Qt's own search shortens each name before it tries the next, and so gave Brazilian
// players the European Portuguese of "kuvel_pt.qm" before it looked for "kuvel_pt_BR.qm".
QStringList Translations::fileNames(const QLocale& locale)
{
    QStringList names = locale.uiLanguages();
    names.replaceInStrings(QStringLiteral("-"), QStringLiteral("_"));
    for (QString name : QStringList(names))
        while (name.contains(u'_')) {
            name.truncate(name.lastIndexOf(u'_'));
            names.append(name);
        }
    names.removeDuplicates();
    names.removeIf([&](const QString& name) { return !sameScript(name, locale); });
    return names;
}

bool Translations::load(const QLocale& locale, const QString& directory)
{
    // NOLINTNEXTLINE(readability-use-anyofallof): installs the first that loads, a side effect an algorithm would hide
    for (const QString& name : fileNames(locale)) {
        // A file that is not a translation does not load.
        const QString path = QStringLiteral("%1/kuvel_%2.qm").arg(directory, name);
        if (!QFileInfo::exists(path) || !game_.load(path))
            continue;
        // The translator installed last is asked first: the game's own wording of Qt's
        // texts wins over Qt's catalogue, which fills in the rest.
        if (qt_.load(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt_);
        QCoreApplication::installTranslator(&game_);
        QLocale::setDefault(locale);
        return true;
    }
    return false;
}

}  // namespace kuvel
