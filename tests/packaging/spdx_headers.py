#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
"""Every file git tracks names its licence in its first lines, except those that a
tool rewrites whole or whose format allows nothing before its first line; the
Debian copyright file covers those."""
import subprocess
import sys

EXEMPT_PREFIXES = ("fuzz/corpus/", "packaging/debian/")
EXEMPT = {"COPYING", "NEWS", "packaging/po/kuvel.pot"}


def exempt(path):
    return path in EXEMPT or path.startswith(EXEMPT_PREFIXES) or path.endswith(".ts")


def main(top):
    files = subprocess.run(["git", "-C", top, "ls-files"], capture_output=True, text=True, check=True).stdout.split()
    missing = []
    for path in (f for f in files if not exempt(f)):
        with open(f"{top}/{path}", encoding="utf-8", errors="replace") as f:
            head = [next(f, "") for _ in range(4)]
        if not any("SPDX-License-Identifier:" in line for line in head):
            missing.append(path)
    for path in missing:
        print(f"{path}: no SPDX-License-Identifier line at the top")
    return 1 if missing else 0


sys.exit(main(sys.argv[1]))
