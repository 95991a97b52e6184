# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
"""The moves of a game that both the mouse and the keyboard tests make, and what
a player reads off the main window."""

import os
import unittest
from dataclasses import dataclass, field

import rules
from catalogue import tr
from player import Atspi, Game

DICE = [f"Die {i}" for i in range(1, 7)]
RATES = ["1", "2", "3", "5", "10", "20", "50", "100"]
FACES = ["1", "2", "3", "4", "5", "6"]
SHOWN_WITH_SCORE = "T1 and T2 while the scoring message is open"


@dataclass
class Turn:
    messages: list
    dice: list = field(default_factory=list)
    points: int = 0
    turns_shown: str = ""     # T1 while the scoring message is open
    points_shown: str = ""    # T2 then


class GameTestCase(unittest.TestCase):
    by_keyboard = False

    def setUp(self):
        self.game = self.start_game([os.environ["KUVEL_E2E_BINARY"]])

    def start_game(self, command, extra_env=None):
        game = Game(command, extra_env)
        self.addCleanup(game.close)
        return game

    # -- reading the main window ----------------------------------------------

    def form1(self):
        return self.game.window("Form1")

    def shown(self, window=None):
        """What the main window shows, by the names a screen reader announces."""
        window = window or self.form1()

        def described(text):
            return window.find(description=tr("Form1", text)).text
        return {
            "dice": [described(d) for d in DICE],
            "turns": described("Turns played"),
            "points": described("Your points"),
            "cpoints": described("Computer points"),
            "money": window.find(name=tr("Form1", "Money"), role=Atspi.Role.TEXT).text,
            "bet": window.find(name=tr("Form1", "Bet"), role=Atspi.Role.TEXT).text,
        }

    def assert_no_game_under_way(self, money):
        shown = self.shown()
        self.assertEqual((shown["turns"], shown["points"], shown["cpoints"]), ("0", "0", "0"))
        self.assertEqual((shown["money"], shown["bet"]), (str(money), "0"))

    # -- moves ------------------------------------------------------------------

    def press(self, window, name):
        """Presses a button: a click, or with the keyboard Tab to it and Space."""
        raise NotImplementedError

    def choose_rate(self, rate):
        raise NotImplementedError

    def fill_in_bet(self, form2, stake, turns):
        raise NotImplementedError

    def open_bet_dialog(self):
        self.press(self.form1(), "Make a bet")
        return self.game.window("Form2")

    def place_bet(self, stake, turns):
        self.open_bet_dialog()
        self.submit_bet(stake, turns)

    def submit_bet(self, stake, turns):
        """Fills in the open bet dialog and presses OK, which takes the player back."""
        form2 = self.game.window("Form2")
        self.fill_in_bet(form2, stake, turns)
        self.press(form2, "OK")
        self.game.window("Form1")
        self.assertEqual(self.game.shown_titles(), ["Form1"])

    def read_message(self, text):
        """What the player does with an open message box before pressing OK."""

    def play_turn(self):
        """One press of "Ready To Go" and every message it brings. The scoring message
        is checked against the dice while it is open."""
        self.press(self.form1(), "Ready To Go")
        turn = Turn(messages=[])

        def while_open(text):
            self.read_message(text)
            if not rules.is_scoring(text):
                return
            shown = self.shown()
            turn.dice = shown["dice"]
            turn.turns_shown, turn.points_shown = shown["turns"], shown["points"]
            self.assertTrue(set(turn.dice) <= set(FACES), f"dice shown: {turn.dice}")
            turn.points, expected = rules.score_of(turn.dice)
            self.assertEqual(text, expected, f"the message for the dice {turn.dice}")

        turn.messages = self.game.messages(on_each=while_open, by_keyboard=self.by_keyboard)
        self.assertTrue(turn.dice, f"no scoring message among {turn.messages}")
        return turn

    def play_game(self, rate, money, bet, turns, max_turns=30):
        """Plays a game of the given number of turns until it is decided (a tie plays
        on), checking every turn and the settlement; returns the money after it."""
        player = 0
        for number in range(1, max_turns + 1):
            turn = self.play_turn()
            player += turn.points
            computer = rate * number
            self.assertEqual((turn.turns_shown, turn.points_shown), (str(number), str(player)), SHOWN_WITH_SCORE)
            if number < turns or player == computer:
                self.assertEqual(len(turn.messages), 1, turn.messages)
                self.assertEqual(self.shown()["cpoints"], str(computer))
                continue
            expected, money_after = rules.settlement(rate, money, bet, player, computer)
            self.assertEqual(turn.messages[1:], expected)
            self.assert_no_game_under_way(money_after)
            return money_after
        self.fail(f"still tied after {max_turns} turns")
