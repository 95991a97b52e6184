// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "app/PlayerLanguages.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace kuvel::test {
namespace {

// Qt's list for the locale, the environment, and the list the game searches.
struct Modifier {
    const char* name;
    QStringList qt;
    std::map<std::string, QByteArray> environment;
    QStringList expected;
};

void PrintTo(const Modifier& m, std::ostream* out)
{
    *out << m.name;
}

class ScriptModifier : public testing::TestWithParam<Modifier> {};

TEST_P(ScriptModifier, NamesTheScriptQtDropped)
{
    const Modifier& m = GetParam();
    const auto environment = [&](const char* name) {
        const auto found = m.environment.find(name);
        return found == m.environment.end() ? QByteArray() : found->second;
    };
    EXPECT_EQ(withScriptModifiers(m.qt, environment), m.expected);
}

const QStringList SerbianByQt{"sr-RS", "sr-Cyrl-RS", "sr"};

INSTANTIATE_TEST_SUITE_P(
    PlayerLanguages, ScriptModifier,
    testing::Values(Modifier{"LangLatin", SerbianByQt, {{"LANG", "sr_RS.UTF-8@latin"}}, {"sr-Latn-RS", "sr-Latn"}},
                    Modifier{"LangCyrillic", SerbianByQt, {{"LANG", "sr_RS.UTF-8"}}, SerbianByQt},
                    Modifier{"LanguageLatinOverLang",
                             SerbianByQt,
                             {{"LANGUAGE", "sr@latin"}, {"LANG", "sr_RS.UTF-8"}},
                             {"sr-Latn-RS", "sr-Latn"}},
                    Modifier{"LanguageWithoutModifierKeepsCyrillic",
                             SerbianByQt,
                             {{"LANGUAGE", "sr"}, {"LANG", "sr_RS.UTF-8@latin"}},
                             SerbianByQt},
                    Modifier{"LcAllOverLang",
                             SerbianByQt,
                             {{"LC_ALL", "sr_RS.UTF-8@latin"}, {"LANG", "sr_RS.UTF-8"}},
                             {"sr-Latn-RS", "sr-Latn"}},
                    Modifier{"LcMessagesOverLang",
                             SerbianByQt,
                             {{"LC_MESSAGES", "sr_RS.UTF-8@latin"}, {"LANG", "de_DE.UTF-8"}},
                             {"sr-Latn-RS", "sr-Latn"}},
                    Modifier{"LanguageIgnoredUnderC", {"C"}, {{"LANGUAGE", "sr@latin"}, {"LC_ALL", "C"}}, {"C"}},
                    Modifier{"OnlyTheLanguageItNames",
                             {"de-DE", "sr-RS", "sr"},
                             {{"LANGUAGE", "de:sr@latin"}},
                             {"de-DE", "sr-Latn-RS", "sr-Latn"}},
                    Modifier{
                        "OtherModifiersAreNoScript", {"de-DE", "de"}, {{"LANG", "de_DE.UTF-8@euro"}}, {"de-DE", "de"}},
                    Modifier{"NoEnvironment", {"en-US"}, {}, {"en-US"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kuvel::test
