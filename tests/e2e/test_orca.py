# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
"""A keyboard game with Debian's screen reader, Orca, listening: what a blind
player hears is every SPEECH OUTPUT line of Orca's debug file."""

import os
import re
import subprocess
import tempfile
import unittest

from session import stop, wait_until
from test_keyboard import PUSH_BUTTON, RADIO_BUTTON, TEXT, KeyboardPlayer

# Orca runs the customizations from its preferences folder at start; its debug
# file is block-buffered, and the test reads it while Orca runs.
LINE_BUFFERED = "from orca import debug\ndebug.debugFile.reconfigure(line_buffering=True)\n"
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*(\{.*\})?$")
RATE = 5
WORD_AND_CHARACTER_MOVES = ("ctrl+Left", "ctrl+Left", "ctrl+Right", "Left", "Right", "ctrl+Right")


class OrcaGame(KeyboardPlayer):
    def setUp(self):
        if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], capture_output=True).returncode == 0:
            self.skipTest("an Orca of this user's is running, and Orca runs once per user (never replaced here)")
        prefs = tempfile.TemporaryDirectory(prefix="kuvel-orca-")
        self.addCleanup(prefs.cleanup)
        with open(os.path.join(prefs.name, "orca-customizations.py"), "w") as customizations:
            customizations.write(LINE_BUFFERED)
        self.transcript = os.path.join(prefs.name, "debug.out")
        # A speech server that is not there: Orca starts at once and still logs every utterance.
        orca = subprocess.Popen(["orca", "-u", prefs.name, "--debug-file", self.transcript],
                                env=dict(os.environ, SPEECHD_ADDRESS="unix_socket:/nonexistent"),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(stop, orca)
        wait_until(self.heard, 30, "Orca to speak")
        super().setUp()
        self.turns_played = []

    def heard(self):
        if not os.path.exists(self.transcript):
            return []
        with open(self.transcript, errors="replace") as log:
            return [m.group(1) for m in map(SPOKEN.search, log) if m]

    def hear(self, pattern, what, times=1):
        """Waits until Orca has said what the pattern matches, over one line or more, this
        many times; returns how often it was said."""
        def said():
            return len(re.findall(pattern, "\n".join(self.heard())))
        try:
            wait_until(lambda: said() >= times, 10, what)
        except TimeoutError:
            self.fail(f"Orca never said {pattern!r} ({what}); it said {self.heard()}")
        return said()

    def play_turn(self):
        turn = super().play_turn()
        self.turns_played.append(turn)
        return turn

    def move_by_words_and_characters(self, title, name):
        for key in WORD_AND_CHARACTER_MOVES:
            self.game.keys(key)
        # Still answering: the focus moves on at once.
        self.step("Tab", title, name, TEXT if name == "Number of Turns" else PUSH_BUTTON)

    def test_a_blind_player_hears_every_value(self):
        print(flush=True)
        self.expect_focus("Form1", "Ready To Go", PUSH_BUTTON, "start")
        self.step("Tab", "Form1", "5", RADIO_BUTTON)
        self.step("Tab", "Form1", "Money", TEXT)
        self.hear(r"Money read only text\.\n100( selected)?\.", "the money whole")
        self.step("Tab", "Form1", "Bet", TEXT)
        self.step("Tab", "Form1", "Make a bet", PUSH_BUTTON)
        self.step("Return", "Form2", "Amount to Bet", TEXT)
        self.hear(r"Amount to Bet selected\.", "the prompt whole")
        self.game.type("25")
        self.move_by_words_and_characters("Form2", "Number of Turns")
        self.game.type("2")
        self.move_by_words_and_characters("Form2", "OK")
        self.step("Return", "Form1", "Ready To Go", PUSH_BUTTON)

        money = self.play_game(rate=RATE, money=75, bet=25, turns=2)

        points = 0
        for number, turn in enumerate(self.turns_played, start=1):
            points += turn.points
            said = f"Dice {' '.join(turn.dice)}. Turn {number}. You {points}, computer {RATE * number}."
            if number == len(self.turns_played):
                said += f" Money {money}, bet 0."
            self.assertEqual(self.hear(re.escape(said), f"turn {number}"), 1, f"turn {number} said once")
        self.game.keys("KP_Enter")  # Orca's "where am I"
        self.hear(re.escape(said), "the last turn again on where am I", times=2)
        for line in self.heard():
            print(f"  SPEECH OUTPUT: {line!r}", flush=True)


if __name__ == "__main__":
    unittest.main()
