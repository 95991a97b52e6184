# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
"""Every question a screen reader may ask a text box, over the accessibility bus:
each must be answered, and at once; and the boxes the rules write alone refuse
every edit sent from outside."""

import unittest

from player import Atspi, GLib
from playing import GameTestCase

BOUNDARIES = [getattr(Atspi.TextBoundaryType, name) for name in
              ("CHAR", "WORD_START", "WORD_END", "SENTENCE_START", "SENTENCE_END", "LINE_START", "LINE_END")]
QUESTIONS = [Atspi.Text.get_text_at_offset, Atspi.Text.get_text_before_offset, Atspi.Text.get_text_after_offset]
# Pasted into the stake box: letters of two and three bytes, and one outside UTF-16's single units.
PASTED = "Größe ½ 😀 10"
READ_ONLY_EDITS = [
    ("set", lambda box: Atspi.EditableText.set_text_contents(box, "abc")),
    ("insert", lambda box: Atspi.EditableText.insert_text(box, 0, "abc", 3)),
    ("delete", lambda box: Atspi.EditableText.delete_text(box, 0, 1)),
    ("cut", lambda box: Atspi.EditableText.cut_text(box, 0, 1)),
    ("paste", lambda box: Atspi.EditableText.paste_text(box, 0)),
]


class TextSweep(GameTestCase):
    def setUp(self):
        super().setUp()
        self.game.click(self.form1().find(name="Make a bet", role=Atspi.Role.PUSH_BUTTON))
        self.form2 = self.game.window("Form2")
        # A call left unanswered this long fails instead of waiting for ever.
        Atspi.set_timeout(1000, 1000)
        self.addCleanup(Atspi.set_timeout, -1, -1)

    def boxes(self):
        form1 = self.game.hidden_window("Form1")  # hidden while the dialog shows
        return [form1.find(name="Money", role=Atspi.Role.TEXT), form1.find(name="Bet", role=Atspi.Role.TEXT),
                self.form2.find(name="Amount to Bet", role=Atspi.Role.TEXT),
                self.form2.find(name="Number of Turns", role=Atspi.Role.TEXT)]

    def test_every_offset_and_boundary_is_answered(self):
        money, bet, stake, _ = boxes = self.boxes()
        Atspi.EditableText.set_text_contents(stake.node, PASTED)
        for box in boxes:
            text = box.text
            for offset in range(-1, len(text) + 2):
                for boundary in BOUNDARIES:
                    for question in QUESTIONS:
                        where = f"{box.name} {text!r} {question.__name__}({offset}, {boundary.value_nick})"
                        try:
                            answer = question(box.node, offset, boundary)
                        except GLib.Error as error:
                            self.fail(f"{where}: {error.message}")
                        if answer.start_offset >= 0:
                            self.assertEqual(answer.content, text[answer.start_offset:answer.end_offset], where)
        self.assertEqual((stake.text, Atspi.Text.get_character_count(stake.node)), (PASTED, len(PASTED)))
        for box in (money, bet):
            before = box.text
            self.assertTrue(box.has(Atspi.StateType.READ_ONLY) and not box.has(Atspi.StateType.EDITABLE), box.name)
            for edit, send in READ_ONLY_EDITS:
                try:
                    send(box.node)
                except GLib.Error:
                    pass  # refused by the bus: no editable text there
                self.assertEqual(box.text, before, f"{edit} on {box.name}")


if __name__ == "__main__":
    unittest.main()
