# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
"""The game played with the mouse in a real window, one scenario per test."""

import os
import re
import subprocess
import unittest

import rules
from player import Atspi
from playing import RATES, SHOWN_WITH_SCORE, GameTestCase


class MouseGame(GameTestCase):
    def press(self, window, name):
        self.game.click(window.find(name=name, role=Atspi.Role.PUSH_BUTTON))

    def choose_rate(self, rate):
        option = self.form1().find(name=str(rate), role=Atspi.Role.RADIO_BUTTON)
        self.game.click(option)
        self.assertTrue(option.checked)

    def fill_in_bet(self, form2, stake, turns):
        self.game.fill_in(form2.find(name="Amount to Bet"), stake)
        self.game.fill_in(form2.find(name="Number of Turns"), turns)

    def refused(self, stake, turns, message):
        """OK with entries the dialog cannot take: the message comes over the dialog,
        and nothing changes."""
        form2 = self.game.window("Form2")
        self.fill_in_bet(form2, stake, turns)
        self.press(form2, "OK")
        box = self.game.next_message()
        self.assertEqual(box.text, message)
        self.assertEqual(self.game.shown_titles(), ["Form2"])
        self.game.dismiss(box)
        self.assertEqual(self.game.shown_titles(), ["Form2"])
        hidden = self.shown(self.game.hidden_window("Form1"))
        self.assertEqual((hidden["money"], hidden["bet"]), ("100", "0"))


class StartState(MouseGame):
    def setUp(self):
        """Started the way a player's desktop starts it: the Exec line of the installed
        desktop entry, with the installed binary first on the PATH."""
        prefix = os.environ["KUVEL_E2E_PREFIX"]
        entry = os.path.join(prefix, "share/applications/org.kuvel.Kuvel.desktop")
        with open(entry, encoding="utf-8") as f:
            command = re.search(r"^Exec=(.*)$", f.read(), re.MULTILINE).group(1).split()
        path = os.path.join(prefix, "bin") + os.pathsep + os.environ["PATH"]
        self.game = self.start_game(command, {"PATH": path})

    def test_the_main_window_opens_with_the_start_values(self):
        self.assertEqual(self.game.shown_titles(), ["Form1"])
        self.assertEqual(self.shown(), {"dice": ["#"] * 6, "turns": "0", "points": "0", "cpoints": "0",
                                        "money": "100", "bet": "0"})
        options = [self.form1().find(name=rate, role=Atspi.Role.RADIO_BUTTON) for rate in RATES]
        self.assertEqual([o.name for o in options if o.checked], ["5"])

    def test_the_match_counters_never_show(self):
        counters = [c for c in self.form1().controls() if c.role == Atspi.Role.LABEL and c.name == "0"
                    and not c.description]
        self.assertEqual(len(counters), 5)
        self.assertFalse(any(c.showing for c in counters))

    def test_the_window_carries_the_icon(self):
        window_id = subprocess.run(["xdotool", "search", "--sync", "--pid", str(self.game.process.pid),
                                    "--name", "^Form1$"], capture_output=True, text=True, timeout=10).stdout.split()
        icon = subprocess.run(["xprop", "-id", window_id[0], "_NET_WM_ICON"], capture_output=True, text=True)
        self.assertIn("Icon (16 x 16)", icon.stdout)


class TurnWithoutBet(MouseGame):
    def test_the_notice_comes_once_before_the_first_score(self):
        """Without a bet the game still has its 50 turns from the start: nothing settles yet."""
        first = self.play_turn()
        self.assertEqual(first.messages, [rules.NO_BET_NOTICE, rules.score_of(first.dice)[1]])
        self.assertEqual((first.turns_shown, first.points_shown), ("1", str(first.points)), SHOWN_WITH_SCORE)
        self.assertEqual(self.shown()["cpoints"], "5")

        second = self.play_turn()
        self.assertEqual(second.messages, [rules.score_of(second.dice)[1]])
        self.assertEqual((second.turns_shown, second.points_shown), ("2", str(first.points + second.points)),
                         SHOWN_WITH_SCORE)
        self.assertEqual((self.shown()["cpoints"], self.shown()["money"], self.shown()["bet"]), ("10", "100", "0"))


class BetThroughTheDialog(MouseGame):
    def test_bet_swaps_the_windows_and_takes_the_stake(self):
        form2 = self.open_bet_dialog()
        self.assertEqual(self.game.shown_titles(), ["Form2"])
        stake_box = form2.find(name="Amount to Bet")
        self.assertEqual((stake_box.text, form2.find(name="Number of Turns").text),
                         ("Amount to Bet", "Number of Turns"))
        self.assertTrue(stake_box.focused)

        self.fill_in_bet(form2, "30", "3")
        self.press(form2, "OK")
        self.game.window("Form1")
        self.assertEqual(self.game.shown_titles(), ["Form1"])
        self.assertEqual((self.shown()["money"], self.shown()["bet"]), ("70", "30"))

        # While the bet stands, "Make a bet" does nothing.
        self.press(self.form1(), "Make a bet")
        self.game.wait_a_moment()
        self.assertEqual(self.game.shown_titles(), ["Form1"])
        self.assertEqual(self.game.open_messages(), [])

        turn = self.play_turn()
        self.assertEqual(len(turn.messages), 1, "a bet stands, so no notice; one turn of three, so no settlement")
        self.assertEqual(self.shown()["cpoints"], "5")


class RefusedBet(MouseGame):
    def test_entries_that_cannot_be_taken_change_nothing(self):
        self.open_bet_dialog()
        self.refused("abc", "3", rules.STAKE_HELP)
        self.refused("101", "3", rules.NEGATIVE_MONEY)
        self.refused("-5", "3", rules.STAKE_HELP)
        self.refused("10", "many", rules.TURNS_HELP)

        self.submit_bet("10", "2")
        self.assertEqual((self.shown()["money"], self.shown()["bet"]), ("90", "10"))


class OneTurnGame(MouseGame):
    def test_a_one_turn_game_is_settled_and_a_new_bet_can_follow(self):
        self.choose_rate(3)
        self.place_bet("20", "1")
        self.play_game(rate=3, money=80, bet=20, turns=1)

        form2 = self.open_bet_dialog()
        self.assertEqual((form2.find(name="Amount to Bet").text, form2.find(name="Number of Turns").text),
                         ("20", "1"), "the dialog keeps what was typed last")


class LostAllIn(MouseGame):
    def test_losing_everything_ends_the_program_with_status_0(self):
        """All the money on one turn against 100 points: only a quint or a kuvel wins,
        and then the next game stakes the winnings."""
        self.choose_rate(100)
        for _ in range(5):
            money = int(self.shown()["money"])
            self.place_bet(str(money), "1")
            turn = self.play_turn()
            if turn.points > 100:
                self.assertEqual(turn.messages[1:], rules.settlement(100, 0, money, turn.points, 100)[0])
                continue
            self.assertEqual(turn.messages[1:], [rules.LOST, rules.REMEMBER_AFTER_LOSS, rules.MONEY_GONE])
            self.assertEqual(self.game.exit_status(), 0)
            return
        self.fail("won five all-in games in a row")


if __name__ == "__main__":
    unittest.main()
