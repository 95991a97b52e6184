// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Messages.h"

// Marks an English text for the translation tools, which read it as Qt's
// QT_TRANSLATE_NOOP; the game itself keeps the text as it is.
#define KUVEL_TRANSLATE_NOOP(context, text) text  // NOLINT(cppcoreguidelines-macro-usage): lupdate reads its calls

namespace kuvel {

// The English texts keep the game's own wording, typos and double blank included;
// translators read them under the context "Message".
const char* englishText(Message id)
{
    switch (id) {
    case Message::NoBetNotice:
        return KUVEL_TRANSLATE_NOOP("Message", "Bet next time - this time I'll let you see what happens.");
    case Message::Kuvel:
        return KUVEL_TRANSLATE_NOOP("Message",
                                    "Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!");
    case Message::Quint:
        return KUVEL_TRANSLATE_NOOP(
            "Message", "Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!");
    case Message::Quad:
        return KUVEL_TRANSLATE_NOOP("Message", "Nice! A quad! For that I award you 36 points!");
    case Message::QuadAndPair:
        return KUVEL_TRANSLATE_NOOP("Message",
                                    "You not only got a quad, but an extra pair as well! I award you 37 points!");
    case Message::Triple:
        return KUVEL_TRANSLATE_NOOP("Message", "A Triple isn't so bad - and it gives you six points as well!");
    case Message::TripleAndPair:
        return KUVEL_TRANSLATE_NOOP("Message", "A Triple - and do I see another pair? Seven points!");
    case Message::TwoTriples:
        return KUVEL_TRANSLATE_NOOP("Message", "Two triples - at the same time! I'll give you 12 points for that!");
    case Message::ThreePairs:
        return KUVEL_TRANSLATE_NOOP(
            "Message", "Three different pairs may not be noteworthy, but it still gives you three points.");
    case Message::TwoPairs:
        return KUVEL_TRANSLATE_NOOP("Message", "Two pairs...just enough for two points.");
    case Message::OnePair:
        return KUVEL_TRANSLATE_NOOP("Message", "A single pair...could it get any worse? You get a point for that.");
    case Message::AllDifferent:
        return KUVEL_TRANSLATE_NOOP(
            "Message", "What an exotic rarity! All of your numbers are different - I'll give you 66 points for that!");
    case Message::Tier1:
        return KUVEL_TRANSLATE_NOOP(
            "Message", "Well, you won, but the computer didn't get many points. I'll give you your bet back, though.");
    case Message::Tier2:
        return KUVEL_TRANSLATE_NOOP("Message",
                                    "Great! You won! The only problem is that...the computer got SO little points. "
                                    "I'll give you an extra 5% on your bet, though.");
    case Message::Tier3:
        return KUVEL_TRANSLATE_NOOP(
            "Message", "The computer got a few points. However, it was pretty easy, right? You'll get 25% more.");
    case Message::Tier4:
        return KUVEL_TRANSLATE_NOOP("Message",
                                    "Apparently, you've bested the computer even though they got a deecent amount "
                                    "of points. I award you double your bet back.");
    case Message::Tier5:
        return KUVEL_TRANSLATE_NOOP(
            "Message",
            "They got lots of points, yet you still managed to win! You will get 5 times your bet for that.");
    case Message::Tier6:
        return KUVEL_TRANSLATE_NOOP("Message",
                                    "If they got that many points, and you still won...I don't know what to say. "
                                    "Here's 10 times your bet.");
    case Message::Tier7:
        return KUVEL_TRANSLATE_NOOP(
            "Message", "You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!");
    case Message::Tier8:
        return KUVEL_TRANSLATE_NOOP(
            "Message", "That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.");
    case Message::Tier9:
        return KUVEL_TRANSLATE_NOOP("Message",
                                    "Oh my. How could you win giving them that many points!? I'll just have to give "
                                    "you 50 times your bet.");
    case Message::Lost:
        return KUVEL_TRANSLATE_NOOP("Message", "I don't think you survived that.");
    case Message::RememberToBet:
        return KUVEL_TRANSLATE_NOOP("Message", "REMEMBER TO BET");
    case Message::RememberToBid:
        return KUVEL_TRANSLATE_NOOP("Message", "REMEMBER TO BID");
    case Message::Bankrupt:
        return KUVEL_TRANSLATE_NOOP("Message", "You lost! Better luck next time...");
    case Message::DrawnAtTheTop:
        return KUVEL_TRANSLATE_NOOP("Message",
                                    "You and the computer both have 32767 points, the most there are, so nobody can "
                                    "win this game. You get your bet back.");
    case Message::StakeHelp:
        return KUVEL_TRANSLATE_NOOP(
            "Message", "Amount to Bet: please type a whole number from 0 up to your money, for example 10.");
    case Message::TurnsHelp:
        return KUVEL_TRANSLATE_NOOP(
            "Message", "Number of Turns: please type a whole number from -32768 up to 32767, for example 50.");
    case Message::NegativeMoney:
        return KUVEL_TRANSLATE_NOOP("Message", "ERROR! You can't have negative money.");
    case Message::UnexpectedError:
        //: %1 is what went wrong: one of the messages starting "Type mismatch", "Overflow" or
        //: "Floating-point error", or a text from the system
        return KUVEL_TRANSLATE_NOOP("Message", "Kuvel met an error it cannot recover from and has to close.\n\n%1");
    case Message::TypeMismatch:
        //: %1 is the text that was read where a number belongs
        return KUVEL_TRANSLATE_NOOP("Message", "Type mismatch: \"%1\" is not a number");
    case Message::OutOfInt16:
        //: %1 is a number in digits
        return KUVEL_TRANSLATE_NOOP("Message", "Overflow: %1 does not fit in -32768 to 32767");
    case Message::TooLargeANumber:
        //: %1 is the text that was read
        return KUVEL_TRANSLATE_NOOP("Message", "Overflow: \"%1\" is too large a number");
    case Message::NumberOutsideInt16:
        //: %1 is the text that was read
        return KUVEL_TRANSLATE_NOOP("Message", "Overflow: \"%1\" is outside -32768 to 32767");
    case Message::FloatingPointError:
        //: %1 names the calculation, in English
        return KUVEL_TRANSLATE_NOOP("Message", "Floating-point error: %1");
    case Message::TurnSummary:
        //: Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played,
        //: %8 the player's points, %9 the computer's points, all in digits
        return KUVEL_TRANSLATE_NOOP("Message", "Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.");
    case Message::MoneySummary:
        //: Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits
        return KUVEL_TRANSLATE_NOOP("Message", "Money %1, bet %2.");
    }
    return "";
}

std::string fillPlaceholders(std::string_view text, const std::vector<std::string>& values)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool placeholder = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const std::size_t index = placeholder ? static_cast<std::size_t>(text[i + 1] - '1') : 0;
        if (placeholder && index < values.size()) {
            filled += values[index];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::string english(Message id, const std::vector<Value>& values)
{
    return wording(id, values, englishText);
}

}  // namespace kuvel
