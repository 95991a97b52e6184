#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
"""Fills a .ts file that lupdate extracted with a pseudo-translation: every text
becomes itself in brackets, "Pair" becomes "[Pair]". Under it, any text the player
meets without brackets has bypassed translation.

    pseudo_translation.py EXTRACTED.ts PSEUDO.ts"""

import sys
import xml.etree.ElementTree as ET


def main(extracted, pseudo):
    tree = ET.parse(extracted)
    for message in tree.iter("message"):
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        translation.text = f"[{message.findtext('source')}]"
    tree.write(pseudo, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(*sys.argv[1:])
