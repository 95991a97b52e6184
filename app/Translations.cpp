// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace kuvel {

Translations::Translations(const QStringList& languages, const QString& directory)
{
    for (const QString& language : languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English)
            return;
        // Tries "kuvel_pt_BR.qm", then "kuvel_pt.qm"; a file that is not a
        // translation does not load.
        if (game_.load(locale, QStringLiteral("kuvel"), QStringLiteral("_"), directory)) {
            QCoreApplication::installTranslator(&game_);
            if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(&qt_);
            return;
        }
    }
}

}  // namespace kuvel
