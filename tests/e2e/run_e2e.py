#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
"""Runs end-to-end tests of the game on a private desktop: its own X display,
window manager, D-Bus session and accessibility bus, all stopped afterwards.

    run_e2e.py --kuvel BUILT_BINARY --prefix INSTALL_PREFIX TEST_NAME...

TEST_NAME is a unittest name such as test_mouse.RefusedBet. Run it with Debian's
/usr/bin/python3, which has the accessibility bindings."""

import argparse
import os
import sys
import unittest

import session

TIMEOUT = 150  # seconds for one run, set-up and tear-down included


def run_tests(names):
    suite = unittest.defaultTestLoader.loadTestsFromNames(names)
    result = unittest.TextTestRunner(stream=sys.stdout, verbosity=2).run(suite)
    return 0 if result.wasSuccessful() else 1


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--kuvel", required=True, help="the game's binary")
    parser.add_argument("--prefix", required=True, help="where the game was installed")
    parser.add_argument("tests", nargs="+")
    args = parser.parse_args()
    os.environ.update(KUVEL_E2E_BINARY=os.path.abspath(args.kuvel), KUVEL_E2E_PREFIX=os.path.abspath(args.prefix))
    return session.on_private_desktop(lambda: run_tests(args.tests), TIMEOUT)


if __name__ == "__main__":
    sys.exit(main())
