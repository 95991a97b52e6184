// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Session.h"

#include "game/Messages.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

#include <gtest/gtest.h>

namespace kuvel::test {
namespace {

// Every text lupdate finds, in brackets, installed while this lives.
class PseudoTranslation {
public:
    PseudoTranslation()
    {
        loaded_ = translator_.load(QStringLiteral(KUVEL_PSEUDO_TRANSLATION));
        QCoreApplication::installTranslator(&translator_);
    }
    bool loaded() const { return loaded_; }

private:
    QTranslator translator_;
    bool loaded_ = false;
};

// The dice's "#", the digits and no text at all stay as they are in every language.
bool needsNoTranslation(const QString& text)
{
    static const QRegularExpression digitsOrHash(QStringLiteral("^(\\d*|#)$"));
    return digitsOrHash.match(text).hasMatch();
}

bool translated(const QString& text)
{
    return needsNoTranslation(text) || (text.startsWith(u'[') && text.endsWith(u']'));
}

// What the player reads on a control, and what a screen reader says about it.
std::vector<std::pair<const char*, QString>> textsOf(QWidget& control)
{
    std::vector<std::pair<const char*, QString>> texts;
    if (auto* label = qobject_cast<QLabel*>(&control))
        texts.emplace_back("caption", label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(&control))
        texts.emplace_back("caption", button->text());
    if (auto* box = qobject_cast<QLineEdit*>(&control))
        texts.emplace_back("text", box->text());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&control);
    texts.emplace_back("accessible name", accessible->text(QAccessible::Name));
    texts.emplace_back("accessible description", accessible->text(QAccessible::Description));
    return texts;
}

// "Form1 Label12 caption "Turn"" for every text of the window that is not translated.
std::vector<std::string> untranslatedIn(QWidget& window)
{
    std::vector<std::string> found;
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        for (const auto& [what, text] : textsOf(*control))
            if (!translated(text))
                found.push_back((window.objectName() + u' ' + control->objectName() + u' ' + QString::fromLatin1(what) +
                                 QStringLiteral(" \"") + text + u'"')
                                    .toStdString());
    return found;
}

TEST(NoStringLeftBehind, EveryCaptionTextAndAccessibleTextOfBothWindowsIsTranslated)
{
    const PseudoTranslation pseudo;
    ASSERT_TRUE(pseudo.loaded()) << KUVEL_PSEUDO_TRANSLATION;
    Session s;
    s.makeABet();
    EXPECT_EQ(untranslatedIn(s.form1()), std::vector<std::string>{});
    EXPECT_EQ(untranslatedIn(s.form2()), std::vector<std::string>{});
}

// Every id up to the first without an English text, which is one past the last.
TEST(NoStringLeftBehind, EveryMessageIsTranslatedAndSoAreAnErrorReportsDetails)
{
    const PseudoTranslation pseudo;
    ASSERT_TRUE(pseudo.loaded()) << KUVEL_PSEUDO_TRANSLATION;
    Session s;
    const Value details = Phrase{kuvel::Message::TypeMismatch, {"abc"}};
    int count = 0;
    for (; *englishText(static_cast<kuvel::Message>(count)) != '\0'; ++count)
        s.platform.message(static_cast<kuvel::Message>(count), {details});
    ASSERT_GT(count, static_cast<int>(kuvel::Message::FloatingPointError));
    for (const std::string& text : s.messages.texts())
        EXPECT_TRUE(translated(QString::fromStdString(text))) << text;
    EXPECT_TRUE(s.messages.texts()[static_cast<std::size_t>(kuvel::Message::UnexpectedError)].ends_with(
        "\n\n[Type mismatch: \"abc\" is not a number]]"));
}

}  // namespace
}  // namespace kuvel::test
