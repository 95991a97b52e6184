#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
"""Checks one translation against the texts the game shows, and says what to fix:
a text the .ts lacks or leaves unfinished, a text the game no longer shows, a
translation that drops a placeholder (%1) or changes a number, a file that is not
well-formed. Prints lrelease's statistics for the file.

    check_translation.py --lupdate LUPDATE --lrelease LRELEASE --ts FILE --work DIR \\
        -- LUPDATE_OPTIONS_AND_SOURCES..."""

import argparse
import collections
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

# A number as a text writes it, grouped or not: "1,296", "1.296", "1 296" and
# "1296" are the same number.
NUMBER = re.compile(r"\d+(?:[,.\u00a0\u202f ]\d{3})*(?!\d)")
PLACEHOLDER = re.compile(r"%L?\d+")


def messages(path):
    """(context, source) -> translation, or None where it is unfinished."""
    result = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type")
            if kind in ("vanished", "obsolete"):
                continue
            finished = kind != "unfinished" and translation.text
            result[(name, message.findtext("source"))] = translation.text if finished else None
    return result


def numbers(text):
    return collections.Counter(re.sub(r"\D", "", n) for n in NUMBER.findall(text))


def placeholders(text):
    return collections.Counter(PLACEHOLDER.findall(text))


def problems(ts, current):
    found = messages(ts)
    for key in current.keys() - found.keys():
        yield "missing", key
    for key in found.keys() - current.keys():
        yield "no longer shown by the game", key
    for key, translation in found.items():
        if key not in current:
            continue
        if translation is None:
            yield "unfinished", key
        elif placeholders(translation) != placeholders(key[1]):
            yield f"placeholders differ in {translation!r}", key
        elif numbers(translation) != numbers(key[1]):
            yield f"numbers differ in {translation!r}", key


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--lrelease", required=True)
    parser.add_argument("--ts", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("lupdate_args", nargs="+")
    args = parser.parse_args()
    name = os.path.basename(args.ts)

    try:
        ET.parse(args.ts)
    except ET.ParseError as error:
        print(f"{name}: not a well-formed .ts file: {error}")
        return 1

    # What the game shows now: lupdate's texts in a new file. lupdate leaves an existing
    # file alone when Qt does not know its language (Asturian, Igbo), which would
    # compare the translation with itself.
    os.makedirs(args.work, exist_ok=True)
    current_ts = os.path.join(args.work, "current_" + name)
    if os.path.exists(current_ts):
        os.remove(current_ts)
    subprocess.run([args.lupdate, "-silent", *args.lupdate_args, "-ts", current_ts], check=True)
    current = messages(current_ts)

    release = subprocess.run([args.lrelease, args.ts, "-qm", os.devnull], capture_output=True, text=True)
    print(f"{name}: lrelease says:\n{release.stdout.strip()}")
    found = sorted(problems(args.ts, current), key=lambda p: p[1])
    for what, (context, source) in found:
        print(f"{name}: {context} {source!r}: {what}")
    if found:
        print(f"{name}: {len(found)} problem(s); `cmake --build build --target update_translations` "
              "adds the missing texts, then translate them in the .ts file.")
    if release.returncode != 0:
        print(f"{name}: lrelease failed:\n{release.stderr.strip()}")
    return 1 if found or release.returncode != 0 else 0


if __name__ == "__main__":
    sys.exit(main())
