#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
"""Screenshots of the game at several scale factors, for a person to look at: the
main window, the bet dialog, a message box over the main window and the main
window after that turn, on a private desktop, in the desktop's default colours or
under a dark or a high-contrast theme.

    screenshots.py --kuvel BUILT_BINARY --out DIR [--scales 1 1.25 2] [--locale de_DE.UTF-8]
                   [--theme default|adwaita-dark|high-contrast]

Writes DIR/<scale>-form1.png, -form2.png, -message.png and -turn.png, each name
led by the locale's when one is given. Needs ImageMagick's import, which the tests
themselves do not."""

import argparse
import os
import subprocess
import sys
import tempfile

import session
from player import Atspi, Game

MARGIN = 40  # around a window, for the window manager's frame

# Inverted high contrast for qt6ct: white text on black, colours in the order of
# Qt's palette roles (WindowText, Button, Light, Midlight, Dark, Mid, Text,
# BrightText, ButtonText, Base, Window, Shadow, Highlight, HighlightedText, Link,
# LinkVisited, AlternateBase, NoRole, ToolTipBase, ToolTipText, PlaceholderText).
HIGH_CONTRAST = ("#ffffff #000000 #ffffff #c0c0c0 #808080 #a0a0a0 #ffffff #ffffff #ffffff #000000 #000000 "
                 "#ffffff #00ffff #000000 #ffff00 #ff80ff #202020 #000000 #000000 #ffffff #c0c0c0")


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as file:
        file.write(text)


def theme_env(theme, config):
    """The environment that puts the game under this theme, its settings written to config."""
    if theme == "adwaita-dark":
        write(os.path.join(config, "gtk-3.0", "settings.ini"), "[Settings]\ngtk-theme-name=Adwaita-dark\n")
        # GTK's own accessibility bridge would answer for the game too, and stall it.
        return {"QT_QPA_PLATFORMTHEME": "gtk3", "XDG_CONFIG_HOME": config, "NO_AT_BRIDGE": "1"}
    if theme == "high-contrast":
        scheme = os.path.join(config, "qt6ct", "colors", "high-contrast.conf")
        colours = ", ".join("#ff" + c[1:] for c in HIGH_CONTRAST.split())
        groups = "".join(f"{group}_colors={colours}\n" for group in ("active", "inactive", "disabled"))
        write(scheme, "[ColorScheme]\n" + groups)
        write(os.path.join(config, "qt6ct", "qt6ct.conf"),
              f"[Appearance]\ncolor_scheme_path={scheme}\ncustom_palette=true\nstyle=Fusion\n")
        return {"QT_QPA_PLATFORMTHEME": "qt6ct", "XDG_CONFIG_HOME": config}
    return {}


def shoot(game, window, path):
    box = Atspi.Component.get_extents(window.node, Atspi.CoordType.SCREEN)
    x, y, width, height = (round(v * game.scale) for v in (box.x, box.y, box.width, box.height))
    crop = f"{width + 2 * MARGIN}x{height + 2 * MARGIN}+{max(x - MARGIN, 0)}+{max(y - MARGIN, 0)}"
    subprocess.run(["import", "-window", "root", "-crop", crop, "+repage", path], check=True, timeout=30)


def in_order(window, role):
    """The window's controls of this role from top to bottom, whatever their
    captions' language."""
    found = [c for c in window.controls() if c.role == role]
    return sorted(found, key=lambda c: c.centre()[1])


def main_buttons(form1):
    """"Ready To Go" and "Make a bet", in any language and laid out in either
    direction: the first is two lines high, the second one."""
    buttons = [c for c in form1.controls() if c.role == Atspi.Role.PUSH_BUTTON]
    return sorted(buttons, key=lambda c: -Atspi.Component.get_extents(c.node, Atspi.CoordType.SCREEN).height)


def shoot_at(kuvel, scale, env, out, locale):
    language = {"LANG": locale, "LC_ALL": locale} if locale else {}
    prefix = f"{locale.split('.')[0]}-" if locale else ""
    with Game([kuvel], {"QT_SCALE_FACTOR": scale, **env, **language}) as game:
        form1 = game.window("Form1")
        shoot(game, form1, os.path.join(out, f"{prefix}{scale}-form1.png"))
        game.click(main_buttons(form1)[1])
        # The dialog's "Amount to Bet" over "Number of Turns".
        form2 = game.window("Form2")
        stake, turns = in_order(form2, Atspi.Role.TEXT)
        game.fill_in(stake, "10")
        game.fill_in(turns, "5")
        shoot(game, form2, os.path.join(out, f"{prefix}{scale}-form2.png"))
        game.click(form2.find(role=Atspi.Role.PUSH_BUTTON))
        game.click(main_buttons(game.window("Form1"))[0])
        shoot(game, game.next_message(), os.path.join(out, f"{prefix}{scale}-message.png"))
        print(f"{prefix}{scale}:", *game.messages(), sep="\n    ")
        shoot(game, game.window("Form1"), os.path.join(out, f"{prefix}{scale}-turn.png"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--kuvel", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--scales", nargs="+", default=["1", "1.25", "2"])
    parser.add_argument("--locale", help="the player's locale, for example de_DE.UTF-8")
    parser.add_argument("--theme", choices=["default", "adwaita-dark", "high-contrast"], default="default")
    args = parser.parse_args()
    kuvel, out = os.path.abspath(args.kuvel), os.path.abspath(args.out)
    os.makedirs(out, exist_ok=True)

    def inside():
        with tempfile.TemporaryDirectory(prefix="kuvel-theme-") as config:
            env = theme_env(args.theme, config)
            for scale in args.scales:
                shoot_at(kuvel, scale, env, out, args.locale)
        return 0

    return session.on_private_desktop(inside, timeout=120)


if __name__ == "__main__":
    sys.exit(main())
