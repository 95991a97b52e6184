# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
"""A keyboard game with Debian's screen reader, Orca, listening: what a blind
player hears is every SPEECH OUTPUT line of Orca's debug file, and what a player
who reads braille finds on the display is every BRAILLE LINE. Played once in
English, once with both the game and Orca in German, where the controls are
found by the game's own German texts and the checks match those texts and the
numbers, not Orca's words, and once in Hebrew, right to left, where the display
must show no bidirectional control character."""

import os
import re
import subprocess
import tempfile
import time
import unittest

import catalogue
from catalogue import tr
from session import stop, wait_until
from test_keyboard import PUSH_BUTTON, RADIO_BUTTON, TEXT, KeyboardPlayer

# Orca runs the customizations from its preferences folder at start; its debug
# file is block-buffered, and the test reads it while Orca runs.
LINE_BUFFERED = "from orca import debug\ndebug.debugFile.reconfigure(line_buffering=True)\n"
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*(\{.*\})?$")
SHOWN = re.compile(r"BRAILLE LINE:\s*'(.*)'\s*$")
# Longer than Orca keeps a flash message on the display.
READING_TIME = 6
RATE = 5
# Invisible on screen, but cells of their own on a braille display: the game gives
# assistive technology its texts without them.
BIDI_CONTROLS = re.compile("[\u200e\u200f\u061c\u202a-\u202e\u2066-\u2069]")
WORD_AND_CHARACTER_MOVES = ("ctrl+Left", "ctrl+Left", "ctrl+Right", "Left", "Right", "ctrl+Right")


class OrcaGame(KeyboardPlayer):
    language = None  # the game's and Orca's; None: English
    locale = "C.UTF-8"

    def setUp(self):
        if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], capture_output=True).returncode == 0:
            self.skipTest("an Orca of this user's is running, and Orca runs once per user (never replaced here)")
        catalogue.use(self.language)
        self.addCleanup(catalogue.use, None)
        prefs = tempfile.TemporaryDirectory(prefix="kuvel-orca-")
        self.addCleanup(prefs.cleanup)
        with open(os.path.join(prefs.name, "orca-customizations.py"), "w") as customizations:
            customizations.write(LINE_BUFFERED)
        self.transcript = os.path.join(prefs.name, "debug.out")
        # A speech server that is not there: Orca starts at once and still logs every utterance.
        orca = subprocess.Popen(["orca", "-u", prefs.name, "--debug-file", self.transcript],
                                env=dict(os.environ, SPEECHD_ADDRESS="unix_socket:/nonexistent", **self.in_locale()),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(stop, orca)
        wait_until(self.heard, 30, "Orca to speak")
        super().setUp()
        self.turns_played = []
        self.boxes = []  # every message text, in the order the boxes opened

    def in_locale(self):
        return {"LC_ALL": self.locale, "LANG": self.locale, "LANGUAGE": self.language or ""}

    def start_game(self, command, extra_env=None):
        return super().start_game(command, dict(extra_env or {}, **self.in_locale()))

    def logged(self, pattern):
        if not os.path.exists(self.transcript):
            return []
        with open(self.transcript, errors="replace") as log:
            return [m.group(1) for m in map(pattern.search, log) if m]

    def heard(self):
        return self.logged(SPOKEN)

    def braille(self):
        return self.logged(SHOWN)

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

    def on_the_display(self, text):
        lines = self.braille()
        return bool(lines) and text in lines[-1]

    def read_message(self, text):
        """Reads the box on the braille display before pressing OK, as a player does:
        its own text, not the box's before it; the first one at leisure."""
        text = BIDI_CONTROLS.sub("", text)
        self.boxes.append(text)
        try:
            wait_until(lambda: self.on_the_display(text), 10, "the message on the braille display")
        except TimeoutError:
            self.fail(f"the display never showed {text!r}; it showed {self.braille()[-5:]}")
        if len(self.boxes) == 1:
            time.sleep(READING_TIME)
            self.assertIn(text, self.braille()[-1], f"the message still on the display after {READING_TIME} s")

    def play_turn(self):
        turn = super().play_turn()
        self.turns_played.append(turn)
        return turn

    def move_by_words_and_characters(self, title, name):
        for key in WORD_AND_CHARACTER_MOVES:
            self.game.keys(key)
        # Still answering: the focus moves on at once.
        self.step("Tab", title, name, TEXT if name == "Number of Turns" else PUSH_BUTTON)

    def summaries(self, money):
        """What the game says of each turn, in the language played."""
        said, points = [], 0
        for number, turn in enumerate(self.turns_played, start=1):
            points += turn.points
            summary = tr("Message", "Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.",
                         *turn.dice, number, points, RATE * number)
            if number == len(self.turns_played):
                summary += " " + tr("Message", "Money %1, bet %2.", money, 0)
            said.append(BIDI_CONTROLS.sub("", summary))
        return said

    def test_a_blind_player_hears_and_reads_every_value(self):
        print(flush=True)
        self.expect_focus("Form1", "Ready To Go", PUSH_BUTTON, "start")
        self.step("Tab", "Form1", "5", RADIO_BUTTON)
        self.step("Tab", "Form1", "Money", TEXT)
        self.hear(re.escape(tr("Form1", "Money")) + r"\b.*\n100\b", "the money whole")
        self.step("Tab", "Form1", "Bet", TEXT)
        self.step("Tab", "Form1", "Make a bet", PUSH_BUTTON)
        self.step("Return", "Form2", "Amount to Bet", TEXT)
        self.hear(re.escape(tr("Form2", "Amount to Bet")) + r"(?!\w)", "the prompt whole")
        self.game.type("25")
        self.move_by_words_and_characters("Form2", "Number of Turns")
        self.game.type("2")
        self.move_by_words_and_characters("Form2", "OK")
        self.step("Return", "Form1", "Ready To Go", PUSH_BUTTON)

        money = self.play_game(rate=RATE, money=75, bet=25, turns=2)

        spoken = "\n".join(self.heard())
        for text in set(self.boxes):
            self.assertEqual(spoken.count(text), self.boxes.count(text), f"{text!r} spoken once a box")
        summaries = self.summaries(money)
        for number, summary in enumerate(summaries, start=1):
            self.assertEqual(self.hear(re.escape(summary), f"turn {number}"), 1, f"turn {number} said once")
            wait_until(lambda: any(summary in line for line in self.braille()), 10, f"turn {number} on the display")
        self.game.keys("KP_Enter")  # Orca's "where am I"
        self.hear(re.escape(summaries[-1]), "the last turn again on where am I", times=2)
        for line in self.heard():
            print(f"  SPEECH OUTPUT: {line!r}", flush=True)
        for line in self.braille():
            print(f"  BRAILLE LINE: {line!r}", flush=True)
        marked = [line for line in self.braille() if BIDI_CONTROLS.search(line)]
        self.assertEqual(marked, [], "bidirectional control characters on the braille display")


class OrcaGameInGerman(OrcaGame):
    language = "de"
    locale = "de_DE.UTF-8"


class OrcaGameInHebrew(OrcaGame):
    language = "he"
    locale = "he_IL.UTF-8"


if __name__ == "__main__":
    unittest.main()
