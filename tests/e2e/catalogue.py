# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
"""The game's own texts in the language a scenario plays in, read from the game's
translation, so that a scenario in another language finds the same controls and
checks the same messages as the English ones."""

import os
import re
import xml.etree.ElementTree as ET

I18N = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "i18n")
_texts = {}


def use(language):
    """Plays in this language from now on ("de"), or in English (None)."""
    _texts.clear()
    if language is None:
        return
    for context in ET.parse(os.path.join(I18N, f"kuvel_{language}.ts")).getroot().iter("context"):
        for message in context.iter("message"):
            _texts[(context.findtext("name"), message.findtext("source"))] = message.findtext("translation")


def tr(context, text, *values):
    """The text as the game shows it in the language played, its %1, %2... filled in."""
    translated = _texts.get((context, text), text)
    return re.sub(r"%(\d)", lambda m: str(values[int(m.group(1)) - 1]), translated) if values else translated
