// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kuvel {

// Every message the game shows the player. The platform puts each into the
// player's language; the English texts are in Messages.cpp.
enum class Message {
    NoBetNotice,
    Kuvel,
    Quint,
    Quad,
    QuadAndPair,
    Triple,
    TripleAndPair,
    TwoTriples,
    ThreePairs,
    TwoPairs,
    OnePair,
    AllDifferent,
    Tier1,
    Tier2,
    Tier3,
    Tier4,
    Tier5,
    Tier6,
    Tier7,
    Tier8,
    Tier9,
    Lost,
    RememberToBet,
    RememberToBid,
    Bankrupt,
    DrawnAtTheTop,
    StakeHelp,
    TurnsHelp,
    NegativeMoney,
    UnexpectedError,
    TypeMismatch,
    OutOfInt16,
    TooLargeANumber,
    NumberOutsideInt16,
    FloatingPointError,
    TurnSummary,
    MoneySummary,
};

// The translation context every message is filed under.
inline constexpr const char* MessageContext = "Message";

// A message with the values for its placeholders %1, %2, … in order.
struct Phrase {
    Message id;
    std::vector<std::string> values;
};

// A value for a placeholder: text shown as it is, or a further message (the
// details of an error report), put into words like the one around it.
using Value = std::variant<std::string, Phrase>;

// The English text of a message with its placeholders unfilled; a string literal,
// which is also the key its translations are found by.
const char* englishText(Message id);

// The text with %1 to %9 replaced by the values, in one pass, so that a value
// holding "%2" is shown as it is.
std::string fillPlaceholders(std::string_view text, const std::vector<std::string>& values);

// The message in words, with textOf giving a message's text in the player's language.
template <typename TextOf>
std::string wording(Message id, const std::vector<Value>& values, TextOf textOf)
{
    std::vector<std::string> words;
    for (const Value& value : values) {
        if (const Phrase* phrase = std::get_if<Phrase>(&value))
            words.push_back(fillPlaceholders(textOf(phrase->id), phrase->values));
        else
            words.push_back(std::get<std::string>(value));
    }
    return fillPlaceholders(textOf(id), words);
}

// Messages said one after the other, as one text, each in the words textOf gives.
template <typename TextOf>
std::string sentences(const std::vector<Phrase>& phrases, TextOf textOf)
{
    std::string said;
    for (const Phrase& phrase : phrases)
        said += (said.empty() ? "" : " ") + fillPlaceholders(textOf(phrase.id), phrase.values);
    return said;
}

// The message in English with its values filled in.
std::string english(Message id, const std::vector<Value>& values = {});

}  // namespace kuvel
