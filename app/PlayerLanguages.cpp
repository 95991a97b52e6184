// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "PlayerLanguages.h"

#include <QLocale>
#include <QSet>
#include <QtGlobal>

#include <array>
#include <utility>

namespace kuvel {

namespace {

// glibc's script modifiers and the ISO 15924 code Qt names the script by.
constexpr std::array<std::pair<const char*, const char*>, 3> ScriptModifiers{{
    {"latin", "Latn"},
    {"cyrillic", "Cyrl"},
    {"devanagari", "Deva"},
}};

QString scriptOf(QStringView modifier)
{
    for (const auto& [name, code] : ScriptModifiers)
        if (modifier == QLatin1StringView(name))
            return QString::fromLatin1(code);
    return {};
}

// "sr_RS.UTF-8@latin" names the language "sr".
QString languageOf(const QString& entry)
{
    qsizetype end = 0;
    while (end < entry.size() && entry[end].isLetter())
        ++end;
    return entry.left(end);
}

// The environment's entries, in the order gettext reads them.
QStringList entries(const std::function<QByteArray(const char*)>& environment)
{
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale = QString::fromLocal8Bit(environment(variable)); !locale.isEmpty())
            break;
    QStringList all;
    const QString language = QString::fromLocal8Bit(environment("LANGUAGE"));
    if (!language.isEmpty() && locale != QLatin1StringView("C") && locale != QLatin1StringView("POSIX"))
        all = language.split(u':', Qt::SkipEmptyParts);
    all.append(locale);
    return all;
}

// Names the tag's script ("sr-RS" in Latin is "sr-Latn-RS").
void setScript(QString& tag, const QString& script)
{
    QStringList parts = tag.split(u'-');
    if (parts.size() > 1 && parts[1].size() == 4)
        parts[1] = script;
    else
        parts.insert(1, script);
    tag = parts.join(u'-');
}

}  // namespace

QStringList withScriptModifiers(QStringList languages, const std::function<QByteArray(const char*)>& environment)
{
    QSet<QString> decided;
    for (const QString& entry : entries(environment)) {
        const QString language = languageOf(entry);
        if (language.isEmpty() || decided.contains(language))
            continue;
        decided.insert(language);
        const qsizetype at = entry.indexOf(u'@');
        const QString script = at < 0 ? QString() : scriptOf(QStringView(entry).mid(at + 1));
        if (script.isEmpty())
            continue;
        for (QString& tag : languages)
            if (tag.section(u'-', 0, 0) == language)
                setScript(tag, script);
    }
    languages.removeDuplicates();
    return languages;
}

QStringList playerLanguages()
{
    return withScriptModifiers(QLocale::system().uiLanguages(), [](const char* name) { return qgetenv(name); });
}

}  // namespace kuvel
