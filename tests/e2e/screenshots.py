#!/usr/bin/python3
"""Screenshots of the game at several scale factors, for a person to look at: the
main window, a message box over it and the bet dialog, on a private desktop.

    screenshots.py --kuvel BUILT_BINARY --out DIR [--scales 1 1.25 2]

Writes DIR/<scale>-form1.png, -message.png and -form2.png. Needs ImageMagick's
import, which the tests themselves do not."""

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


def shoot_at(kuvel, scale, out):
    with Game([kuvel], {"QT_SCALE_FACTOR": scale}) as game:
        form1 = game.window("Form1")
        shoot(game, form1, os.path.join(out, f"{scale}-form1.png"))
        game.click(form1.find(name="Ready To Go", role=Atspi.Role.PUSH_BUTTON))
        shoot(game, game.next_message(), os.path.join(out, f"{scale}-message.png"))
        game.messages()
        game.click(game.window("Form1").find(name="Make a bet", role=Atspi.Role.PUSH_BUTTON))
        shoot(game, game.window("Form2"), os.path.join(out, f"{scale}-form2.png"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--kuvel", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--scales", nargs="+", default=["1", "1.25", "2"])
    args = parser.parse_args()
    kuvel, out = os.path.abspath(args.kuvel), os.path.abspath(args.out)
    os.makedirs(out, exist_ok=True)

    def inside():
        for scale in args.scales:
            shoot_at(kuvel, scale, out)
        return 0

    return session.on_private_desktop(inside, timeout=120)


if __name__ == "__main__":
    sys.exit(main())
