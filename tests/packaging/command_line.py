#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
"""Runs the built game with each command line of the table and checks that it
answers on the right stream with the right status and never starts the game.

    command_line.py BUILT_BINARY

It runs on Qt's offscreen platform: a game started by mistake would wait for a
player that never comes, so the run is stopped after a while and fails."""

import os
import subprocess
import sys
import unittest

GIVE_UP = 20  # seconds; the game itself would never end on its own
USAGE = "Usage: "
VERSION = "Kuvel 1.0.0\n"

# arguments, exit status, what stdout starts with, what stderr starts with; only
# --help-all needs a display, to list Qt's display options
CASES = [
    (["--help"], 0, USAGE, ""),
    (["-h"], 0, USAGE, ""),
    (["--version"], 0, VERSION, ""),
    (["-v"], 0, VERSION, ""),
    (["--help-all"], 0, USAGE, ""),
    # Qt takes its own options first, wherever they stand.
    (["-reverse", "--version"], 0, VERSION, ""),
    (["--version", "-style", "fusion"], 0, VERSION, ""),
    (["-platform", "offscreen", "--help"], 0, USAGE, ""),
    (["--reverse", "-style=fusion", "-display", ":99", "--qwindowtitle", "--bogus", "-v"], 0, VERSION, ""),
    (["-reverse", "--bogus"], 2, "", "kuvel: Unknown option 'bogus'.\n" + USAGE),
    (["--", "-reverse"], 2, "", "kuvel: Unexpected argument '-reverse'.\n" + USAGE),
    (["-platfrom", "offscreen"], 2, "", "kuvel: Unknown option 'platfrom'.\n" + USAGE),
    (["--bogus"], 2, "", "kuvel: Unknown option 'bogus'.\n" + USAGE),
    (["-x", "--help"], 2, "", "kuvel: Unknown option 'x'.\n" + USAGE),
    (["--version=2"], 2, "", "kuvel: Unexpected value after '--version'.\n" + USAGE),
    (["--", "--help"], 2, "", "kuvel: Unexpected argument '--help'.\n" + USAGE),
    (["--", "more", "words"], 2, "", "kuvel: Unexpected argument 'more'.\n" + USAGE),
    (["50"], 2, "", "kuvel: Unexpected argument '50'.\n" + USAGE),
    ([b"\xff"], 2, "", "kuvel: An argument is not valid text in this locale.\n" + USAGE),
    ([b"--turns=\xc3\x28"], 2, "", "kuvel: An argument is not valid text in this locale.\n" + USAGE),
]


class CommandLine(unittest.TestCase):
    def test_each_command_line(self):
        self.check(CASES, dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8"))

    def test_in_the_players_language(self):
        """The refusal, the usage and the description come in the player's language."""
        german = [(["50"], 2, "", "kuvel: Unerwartetes Argument „50“.\nAufruf: "), (["--help"], 0, "Aufruf: ", "")]
        self.check(german, dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="de_DE.UTF-8"))

    def test_on_a_text_console(self):
        """Without a display Qt's window system would abort the program."""
        console = {name: value for name, value in os.environ.items() if name not in ("DISPLAY", "WAYLAND_DISPLAY")}
        cases = [case for case in CASES if "--help-all" not in case[0]]
        self.check(cases, dict(console, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8"))

    def check(self, cases, environment):
        for arguments, status, out, err in cases:
            with self.subTest(arguments=arguments):
                try:
                    run = subprocess.run([BINARY, *arguments], env=environment, capture_output=True, timeout=GIVE_UP)
                except subprocess.TimeoutExpired:
                    self.fail("the game started")
                self.assertEqual(run.returncode, status)
                self.assert_begins(run.stdout.decode(), out)
                self.assert_begins(without_qt_notes(run.stderr), err)

    def assert_begins(self, text, start):
        """An empty start means nothing at all was printed."""
        self.assertTrue(text.startswith(start) and bool(text) == bool(start), text)


def without_qt_notes(stderr):
    """Qt's own start-up notes, such as a missing runtime directory, are not the game's."""
    return "".join(line for line in stderr.decode().splitlines(keepends=True) if not line.startswith("QStandardPaths:"))


if __name__ == "__main__":
    BINARY = os.path.abspath(sys.argv.pop(1))
    unittest.main()
