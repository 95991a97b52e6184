// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Session.h"

#include "game/Messages.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kuvel::test {
namespace {

// Puts every message into brackets, as a translation puts it into other words;
// texts of other contexts are left to the next translator.
class BracketingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (QByteArrayView(context) != QByteArrayView(MessageContext))
            return {};
        return u'[' + QString::fromUtf8(sourceText) + u']';
    }
};

struct Translated {
    const char* name;
    kuvel::Message id;
    std::vector<Value> values;
    std::string shown;
};

void PrintTo(const Translated& t, std::ostream* out)
{
    *out << t.name;
}

class MessageTranslation : public testing::TestWithParam<Translated> {};

TEST_P(MessageTranslation, ShowsTheTranslationWithTheValuesFilledAfterwards)
{
    Session s;
    BracketingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    s.platform.message(GetParam().id, GetParam().values);
    EXPECT_EQ(s.messages.texts(), std::vector<std::string>{GetParam().shown});
}

INSTANTIATE_TEST_SUITE_P(
    QtPlatform, MessageTranslation,
    testing::Values(Translated{"Plain", kuvel::Message::RememberToBid, {}, "[REMEMBER TO BID]"},
                    Translated{
                        "PercentSignKept",
                        kuvel::Message::Tier3,
                        {},
                        "[The computer got a few points. However, it was pretty easy, right? You'll get 25% more.]"},
                    Translated{"DetailsTranslatedToo",
                               kuvel::Message::UnexpectedError,
                               {Phrase{kuvel::Message::TypeMismatch, {"%1"}}},
                               "[Kuvel met an error it cannot recover from and has to close.\n\n"
                               "[Type mismatch: \"%1\" is not a number]]"},
                    Translated{"DetailsFromTheSystemAsTheyAre",
                               kuvel::Message::UnexpectedError,
                               {std::string("out of memory")},
                               "[Kuvel met an error it cannot recover from and has to close.\n\nout of memory]"}),
    [](const testing::TestParamInfo<Translated>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kuvel::test
