// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Session.h"

#include "app/Translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace kuvel::test {
namespace {

// What a translation folder holds instead of the game's translations.
using Folder = std::function<void(const QString& path)>;

void writeGermanFile(const QString& folder, const QByteArray& contents)
{
    QFile file(folder + QStringLiteral("/kuvel_de.qm"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

QByteArray firstHalfOfTheGermanTranslation()
{
    QFile file(QStringLiteral(":/i18n/kuvel_de.qm"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    return whole.left(whole.size() / 2);
}

struct Choice {
    const char* name;
    QStringList languages;
    const char* money;  // the title over the money box
    const char* ok;  // the message boxes' button
    Folder folder = {};  // none: the translations built into the game
    const char* usage = "Usage: %1";  // the command line's, Qt's own text
    Qt::LayoutDirection direction = Qt::LeftToRight;
};

void PrintTo(const Choice& c, std::ostream* out)
{
    *out << c.name;
}

class PlayersLanguage : public testing::TestWithParam<Choice> {};

TEST_P(PlayersLanguage, ChoosesTheFirstTheGameSpeaksOrElseEnglish)
{
    const Choice& c = GetParam();
    QTemporaryDir scratch;
    if (c.folder)
        c.folder(scratch.path());
    const Translations translations(c.languages, c.folder ? scratch.path() : QStringLiteral(":/i18n"));
    Session s;
    EXPECT_EQ(s.form1().caption(Control::Label21), c.money);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK").toStdString(), c.ok);
    EXPECT_EQ(QCoreApplication::translate("QCommandLineParser", "Usage: %1").toStdString(), c.usage);
    EXPECT_EQ(QGuiApplication::layoutDirection(), c.direction);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, PlayersLanguage,
    testing::Values(
        Choice{"German", {"de-DE"}, "Geld", "OK", {}, "Aufruf: %1"},
        Choice{"French", {"fr-FR"}, "Argent", "OK", {}, "Utilisation\u00a0: %1"},
        Choice{"Spanish", {"es-ES"}, "Dinero", "Aceptar", {}, "Uso: %1"},
        Choice{"BrazilianPortuguese", {"pt-BR"}, "Dinheiro", "OK", {}, "Uso: %1"},
        Choice{"EuropeanPortuguese", {"pt-PT"}, "Dinheiro", "OK", {}, "Utilização: %1"},
        Choice{"AngolanFindsEuropeanPortuguese", {"pt-AO"}, "Dinheiro", "OK", {}, "Utilização: %1"},
        Choice{"BelgianFindsDutch", {"nl-BE"}, "Geld", "OK", {}, "Gebruik: %1"},
        Choice{"FinlandFindsSwedish", {"sv-FI"}, "Pengar", "OK", {}, "Användning: %1"},
        Choice{"BritishEnglishPreferredToGerman", {"en-GB", "de-DE"}, "Money", "OK"},
        Choice{"TibetanHasNoTranslation", {"bo-CN", "bo"}, "Money", "OK"}, Choice{"TheCLocale", {"C"}, "Money", "OK"},
        Choice{"NoLanguageAtAll", {}, "Money", "OK"},
        Choice{"EnglishPreferredToGerman", {"en-US", "de-DE"}, "Money", "OK"},
        Choice{"FrenchAfterTibetan", {"bo-CN", "fr-FR"}, "Argent", "OK", {}, "Utilisation\u00a0: %1"},
        Choice{"UkrainianUsageIsTheGamesOwnWording", {"uk-UA"}, "Гроші", "OK", {}, "Використання: %1"},
        Choice{"HongKongFindsTraditionalChinese", {"zh-HK"}, "資金", "確定", {}, "用法：%1"},
        Choice{"MacaoFindsTraditionalChinese", {"zh-MO"}, "資金", "確定", {}, "用法：%1"},
        Choice{"SingaporeFindsSimplifiedChinese", {"zh-SG"}, "资金", "确定", {}, "用法：%1"},
        Choice{"Bokmal", {"nb-NO"}, "Penger", "OK", {}, "Bruk: %1"},
        Choice{"NorwegianFindsBokmal", {"no-NO"}, "Penger", "OK", {}, "Bruk: %1"},
        Choice{"NynorskBeforeGerman", {"nn-NO", "de-DE"}, "Pengar", "OK", {}, "Bruk: %1"},
        Choice{"SerbianInCyrillic", {"sr-RS", "sr-Cyrl-RS", "sr"}, "Новац", "У реду", {}, "Употреба: %1"},
        Choice{"SerbianInLatinLetters", {"sr-Latn-RS", "sr-Latn"}, "Novac", "U redu", {}, "Upotreba: %1"},
        Choice{"IndianBengaliFindsBengali", {"bn-IN"}, "টাকা", "ঠিক আছে", {}, "ব্যবহার: %1"},
        Choice{"PunjabiInArabicLettersFindsUrdu",
               {"pa-PK", "pa-Arab-PK"},
               "پیسے",
               "ٹھیک ہے",
               {},
               "استعمال: \u2066%1\u2069",
               Qt::RightToLeft},
        Choice{"IndianUrduFindsUrdu", {"ur-IN"}, "پیسے", "ٹھیک ہے", {}, "استعمال: \u2066%1\u2069", Qt::RightToLeft},
        Choice{"ArabicIsRightToLeft", {"ar-EG"}, "المال", "حسنًا", {}, "الاستخدام: \u2066%1\u2069", Qt::RightToLeft},
        Choice{"HebrewIsRightToLeft", {"he-IL"}, "כסף", "אישור", {}, "שימוש: \u2066%1\u2069", Qt::RightToLeft},
        Choice{"PersianIsRightToLeft", {"fa-IR"}, "پول", "تأیید", {}, "استفاده: \u2066%1\u2069", Qt::RightToLeft},
        Choice{"MissingFolder", {"de-DE"}, "Money", "OK", [](const QString& path) { QDir(path).removeRecursively(); }},
        Choice{"FileThatIsNoTranslation",
               {"de-DE"},
               "Money",
               "OK",
               [](const QString& path) { writeGermanFile(path, "Wurf, Punkte, Geld"); }},
        Choice{"TruncatedTranslation",
               {"de-DE"},
               "Money",
               "OK",
               [](const QString& path) { writeGermanFile(path, firstHalfOfTheGermanTranslation()); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kuvel::test
