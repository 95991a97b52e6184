# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
"""A whole game with Tab, the arrow keys and Enter alone, finding each control the
way a screen reader user does: by what the accessibility bus says has the focus.
The focus after every step is printed, a transcript of the game."""

import unittest

import rules
from catalogue import tr
from player import RESPONSE, Atspi
from playing import DICE, FACES, RATES, GameTestCase
from session import wait_until

TAB_STOPS = 12  # more Tabs than either window has stops
PUSH_BUTTON, RADIO_BUTTON, TEXT = Atspi.Role.PUSH_BUTTON, Atspi.Role.RADIO_BUTTON, Atspi.Role.TEXT


def same_control(a, b):
    return (a is None and b is None) or (a is not None and b is not None and a.node == b.node)


def described(control):
    """A control in the transcript: its role and name, and what a player checks there."""
    what = f"{control.node.get_role_name()} {control.name!r}"
    if control.role == RADIO_BUTTON:
        what += " checked" if control.checked else " not checked"
    if control.role == TEXT:
        what += f" holding {control.text!r}" + (", all selected" if control.all_selected else "")
    return what


class KeyboardPlayer(GameTestCase):
    """Moves with the keyboard alone, each checked by where the focus lands."""
    by_keyboard = True

    def focused(self, window):
        return window.focused_control()

    def note(self, step, what):
        print(f"  {step:<32} {what}", flush=True)

    def move_focus(self, window, key):
        before = self.focused(window)
        self.game.keys(key)
        wait_until(lambda: not same_control(self.focused(window), before), RESPONSE, f"the focus to move on {key}")

    def tab_until(self, window, wanted, what):
        """Presses Tab until a control that is wanted has the focus."""
        for _ in range(TAB_STOPS):
            current = self.focused(window)
            if current is not None and wanted(current):
                return current
            self.move_focus(window, "Tab")
        self.fail(f"Tab never reached {what} in {window.name}")

    def tab_to(self, window, name, role):
        """Tabs to the control of this English name, in the language played."""
        name = tr(window.name, name)
        return self.tab_until(window, lambda c: (c.name, c.role) == (name, role), repr(name))

    def press(self, window, name):
        self.note("Return pressed on", f"{window.name}: {described(self.tab_to(window, name, PUSH_BUTTON))}")
        self.game.keys("Return")

    def expect_focus(self, title, name, role, step):
        """Waits until the window with this title shows with the control of this English
        name focused, named in the language played."""
        window = self.game.window(title)
        name = tr(title, name)

        def there():
            control = self.focused(window)
            return control if control is not None and (control.name, control.role) == (name, role) else None
        try:
            control = wait_until(there, RESPONSE, f"{name!r} to have the focus")
        except TimeoutError:
            self.fail(f"after {step}: the focus is on {self.focused(window)} in {title}, not on {name!r}")
        self.note(f"after {step}", f"{title}: {described(control)}")
        return control

    def step(self, key, title, name, role):
        self.game.keys(key)
        return self.expect_focus(title, name, role, key)

    def play_turn(self):
        turn = super().play_turn()
        for text in turn.messages:
            self.note("message, Return on its OK", repr(text))
        self.expect_focus("Form1", "Ready To Go", PUSH_BUTTON, "the turn's messages")
        return turn


class KeyboardGame(KeyboardPlayer):
    def test_a_whole_game_with_the_keyboard_alone(self):
        print(flush=True)  # the transcript starts on a line of its own
        self.expect_focus("Form1", "Ready To Go", PUSH_BUTTON, "start")
        five = self.step("Tab", "Form1", "5", RADIO_BUTTON)
        self.note("a screen reader is told", five.announced())
        self.assertTrue(five.checked, "Tab into the options lands on the selected one")
        self.assertTrue(self.step("Down", "Form1", "10", RADIO_BUTTON).checked, "the arrows move the selection")
        self.note("a screen reader is told", self.step("Tab", "Form1", "Money", TEXT).announced())
        self.step("Tab", "Form1", "Bet", TEXT)
        self.step("Tab", "Form1", "Make a bet", PUSH_BUTTON)
        self.step("Return", "Form2", "Amount to Bet", TEXT)
        self.step("Escape", "Form1", "Make a bet", PUSH_BUTTON)
        self.assertEqual((self.shown()["money"], self.shown()["bet"]), ("100", "0"), "Escape leaves the bet untouched")

        self.assertTrue(self.step("Return", "Form2", "Amount to Bet", TEXT).all_selected, "the prompt to type over")
        self.game.type("lots")
        self.assertTrue(self.step("Tab", "Form2", "Number of Turns", TEXT).all_selected)
        self.game.type("2")
        self.step("Tab", "Form2", "OK", PUSH_BUTTON)
        self.game.keys("Return")
        self.assertEqual(self.game.next_message().text, rules.STAKE_HELP)
        # Held down, Escape closes the refusal once; its repeats leave the dialog open.
        self.game.hold("Escape", seconds=1.5)
        self.note("message, Escape held on it", repr(rules.STAKE_HELP))
        refused = self.expect_focus("Form2", "Amount to Bet", TEXT, "the refusal")
        self.assertEqual(self.game.shown_titles(), ["Form2"], "the dialog stays after a held Escape")
        self.assertEqual((refused.text, refused.all_selected), ("lots", True), "the refused entry to type over")
        self.game.type("25")
        self.step("Tab", "Form2", "Number of Turns", TEXT)
        self.step("Tab", "Form2", "OK", PUSH_BUTTON)
        self.step("Return", "Form1", "Ready To Go", PUSH_BUTTON)
        self.assertEqual((self.shown()["money"], self.shown()["bet"]), ("75", "25"))

        money = self.play_game(rate=10, money=75, bet=25, turns=2)

        self.step("shift+Tab", "Form1", "Make a bet", PUSH_BUTTON)
        stake = self.step("Return", "Form2", "Amount to Bet", TEXT)
        self.assertEqual((stake.text, stake.all_selected), ("25", True), "the last stake to type over")
        self.step("alt+F4", "Form1", "Make a bet", PUSH_BUTTON)
        self.assert_no_game_under_way(money)
        self.game.keys("ctrl+q")
        self.assertEqual(self.game.exit_status(), 0, "Ctrl+Q ends the game as closing its window does")

    def test_enter_held_down_plays_one_turn_and_leaves_its_boxes_open(self):
        self.expect_focus("Form1", "Ready To Go", PUSH_BUTTON, "start")
        self.game.hold("Return", seconds=1.5)
        self.assertEqual(self.game.next_message().text, rules.NO_BET_NOTICE, "the first box stays open")
        self.assertEqual(len(self.game.messages(by_keyboard=True)), 2, "the notice and the score, each read")
        self.assertEqual(self.shown()["turns"], "1")


class ScreenReaderNames(GameTestCase):
    """What a screen reader announces for every control, over the bus."""

    def test_main_window_controls(self):
        form1 = self.form1()
        for number, description in enumerate(DICE, start=1):
            die = form1.find(description=description)
            self.assertEqual((die.role, die.name), (Atspi.Role.LABEL, "#"), f"die {number}")
        for description in ("Turns played", "Your points", "Computer points"):
            self.assertEqual(form1.find(description=description).name, "0")
        for name, value in (("Money", "100"), ("Bet", "0")):
            box = form1.find(name=name, role=Atspi.Role.TEXT)
            self.assertEqual(box.text, value)
            self.assertTrue(box.has(Atspi.StateType.READ_ONLY), f"{name} is announced as read-only")
        options = [c for c in form1.controls() if c.role == Atspi.Role.RADIO_BUTTON]
        self.assertEqual([o.name for o in options], RATES)
        self.assertEqual({o.description for o in options}, {"Computer points per turn"})
        for name in ("Ready To Go", "Make a bet"):
            form1.find(name=name, role=Atspi.Role.PUSH_BUTTON)
        self.assert_every_focusable_control_named(form1)

    def test_dice_are_read_out_as_their_faces_after_a_roll(self):
        self.game.click(self.form1().find(name="Ready To Go", role=Atspi.Role.PUSH_BUTTON))
        box = self.game.next_message()
        self.assertEqual(box.text, rules.NO_BET_NOTICE)
        self.assertEqual(box.name, "Kuvel", "a message box is titled with the game's name")
        self.game.dismiss(box)
        dice = [self.form1().find(description=d).name for d in DICE]
        self.assertTrue(set(dice) <= set(FACES), dice)

    def test_bet_dialog_controls(self):
        form2 = self.open_bet_dialog()
        for name in ("Amount to Bet", "Number of Turns"):
            box = form2.find(name=name, role=Atspi.Role.TEXT)
            self.assertTrue(box.has(Atspi.StateType.EDITABLE) and not box.has(Atspi.StateType.READ_ONLY), name)
        form2.find(name="OK", role=Atspi.Role.PUSH_BUTTON)
        self.assert_every_focusable_control_named(form2)

    def open_bet_dialog(self):
        self.game.click(self.form1().find(name="Make a bet", role=Atspi.Role.PUSH_BUTTON))
        return self.game.window("Form2")

    def assert_every_focusable_control_named(self, window):
        unnamed = [c for c in window.controls() if c.has(Atspi.StateType.FOCUSABLE) and not c.name]
        self.assertEqual(unnamed, [])


if __name__ == "__main__":
    unittest.main()
