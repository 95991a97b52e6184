# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
"""What the game says and pays, as a player can check it against the dice shown."""

from collections import Counter

from catalogue import tr

NO_BET_NOTICE = "Bet next time - this time I'll let you see what happens."
STAKE_HELP = "Amount to Bet: please type a whole number from 0 up to your money, for example 10."
TURNS_HELP = "Number of Turns: please type a whole number from -32768 up to 32767, for example 50."
NEGATIVE_MONEY = "ERROR! You can't have negative money."
LOST = "I don't think you survived that."
REMEMBER_AFTER_LOSS = "REMEMBER TO BET"
REMEMBER_AFTER_WIN = "REMEMBER TO BID"
MONEY_GONE = "You lost! Better luck next time..."

# The sizes of the groups of equal faces, largest first, and what the roll earns.
SCORES = {
    (6,): (1296, "Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!"),
    (5, 1): (216, "Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!"),
    (4, 1, 1): (36, "Nice! A quad! For that I award you 36 points!"),
    (4, 2): (37, "You not only got a quad, but an extra pair as well! I award you 37 points!"),
    (3, 1, 1, 1): (6, "A Triple isn't so bad - and it gives you six points as well!"),
    (3, 2, 1): (7, "A Triple - and do I see another pair? Seven points!"),
    (3, 3): (12, "Two triples - at the same time! I'll give you 12 points for that!"),
    (2, 2, 2): (3, "Three different pairs may not be noteworthy, but it still gives you three points."),
    (2, 2, 1, 1): (2, "Two pairs...just enough for two points."),
    (2, 1, 1, 1, 1): (1, "A single pair...could it get any worse? You get a point for that."),
    (1, 1, 1, 1, 1, 1): (66, "What an exotic rarity! All of your numbers are different - "
                             "I'll give you 66 points for that!"),
}

# A won game pays by the computer's points per turn; these are the rates the tests use.
WIN_BY_RATE = {
    3: ("The computer got a few points. However, it was pretty easy, right? You'll get 25% more.",
        lambda money, bet: money + bet + bet // 4),
    5: ("Apparently, you've bested the computer even though they got a deecent amount of points. "
        "I award you double your bet back.",
        lambda money, bet: money + 2 * bet),
    10: ("They got lots of points, yet you still managed to win! You will get 5 times your bet for that.",
         lambda money, bet: money + 5 * bet),
    100: ("Oh my. How could you win giving them that many points!? I'll just have to give you 50 times your bet.",
          lambda money, bet: min(money + 50 * bet, 32767)),
}


def is_scoring(text):
    """Whether the text, in the language played, is one of the scoring messages."""
    return text in {tr("Message", message) for _, message in SCORES.values()}


def score_of(dice):
    """The points and the message, in the language played, that the six faces shown
    must have earned."""
    points, message = SCORES[tuple(sorted(Counter(dice).values(), reverse=True))]
    return points, tr("Message", message)


def settlement(rate, money, bet, player, computer):
    """The messages of a game's last turn after the scoring one, in the language
    played, and the money after it."""
    if player > computer:
        message, pay = WIN_BY_RATE[rate]
        return [tr("Message", message), tr("Message", REMEMBER_AFTER_WIN)], pay(money, bet)
    return [tr("Message", LOST), tr("Message", REMEMBER_AFTER_LOSS)], money
