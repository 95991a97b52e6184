#!/usr/bin/python3
"""Screenshots of the game at several scale factors, for a person to look at: the
main window, a message box over it and the bet dialog, on a private desktop.

    screenshots.py --kuvel BUILT_BINARY --out DIR [--scales 1 1.25 2] [--locale de_DE.UTF-8]

Writes DIR/<scale>-form1.png, -message.png and -form2.png, each name led by the
locale's when one is given. Needs ImageMagick's import, which the tests themselves
do not."""

import argparse
import os
import subprocess
import sys

import session
from player import Atspi, Game

MARGIN = 40  # around a window, for the window manager's frame


def shoot(game, window, path):
    box = Atspi.Component.get_extents(window.node, Atspi.CoordType.SCREEN)
    x, y, width, height = (round(v * game.scale) for v in (box.x, box.y, box.width, box.height))
    crop = f"{width + 2 * MARGIN}x{height + 2 * MARGIN}+{max(x - MARGIN, 0)}+{max(y - MARGIN, 0)}"
    subprocess.run(["import", "-window", "root", "-crop", crop, "+repage", path], check=True, timeout=30)


def buttons(window):
    """The push buttons from left to right, whatever their captions' language:
    "Ready To Go", then "Make a bet"."""
    found = [c for c in window.controls() if c.role == Atspi.Role.PUSH_BUTTON]
    return sorted(found, key=lambda c: c.centre()[0])


def shoot_at(kuvel, scale, out, locale):
    language = {"LANG": locale, "LC_ALL": locale} if locale else {}
    prefix = f"{locale.split('.')[0]}-" if locale else ""
    with Game([kuvel], {"QT_SCALE_FACTOR": scale, **language}) as game:
        form1 = game.window("Form1")
        shoot(game, form1, os.path.join(out, f"{prefix}{scale}-form1.png"))
        game.click(buttons(form1)[0])
        shoot(game, game.next_message(), os.path.join(out, f"{prefix}{scale}-message.png"))
        print(f"{prefix}{scale}:", *game.messages(), sep="\n    ")
        game.click(buttons(game.window("Form1"))[1])
        shoot(game, game.window("Form2"), os.path.join(out, f"{prefix}{scale}-form2.png"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--kuvel", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--scales", nargs="+", default=["1", "1.25", "2"])
    parser.add_argument("--locale", help="the player's locale, for example de_DE.UTF-8")
    args = parser.parse_args()
    kuvel, out = os.path.abspath(args.kuvel), os.path.abspath(args.out)
    os.makedirs(out, exist_ok=True)

    def inside():
        for scale in args.scales:
            shoot_at(kuvel, scale, out, args.locale)
        return 0

    return session.on_private_desktop(inside, timeout=120)


if __name__ == "__main__":
    sys.exit(main())
