"""A whole game with the keyboard alone, finding each control the way a screen
reader user does: by what the accessibility bus says has the focus."""

import unittest

import rules
from player import RESPONSE, Atspi
from playing import DICE, FACES, RATES, GameTestCase
from session import wait_until

TAB_STOPS = 12  # more Tabs than either window has stops


def same_control(a, b):
    return (a is None and b is None) or (a is not None and b is not None and a.node == b.node)


class KeyboardGame(GameTestCase):
    by_keyboard = True

    def focused(self, window):
        return window.focused_control()

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
        return self.tab_until(window, lambda c: (c.name, c.role) == (name, role), repr(name))

    def press(self, window, name):
        self.tab_to(window, name, Atspi.Role.PUSH_BUTTON)
        self.game.keys("space")

    def choose_rate(self, rate):
        """Tab into the option buttons, then the arrow keys to the one wanted."""
        form1 = self.form1()
        current = self.tab_until(form1, lambda c: c.role == Atspi.Role.RADIO_BUTTON, "the option buttons")
        step = "Down" if RATES.index(current.name) < RATES.index(str(rate)) else "Up"
        while self.focused(form1).name != str(rate):
            self.move_focus(form1, step)
        self.game.keys("space")
        self.assertTrue(form1.find(name=str(rate), role=Atspi.Role.RADIO_BUTTON).checked)

    def fill_in_bet(self, form2, stake, turns):
        self.assertEqual(self.focused(form2).name, "Amount to Bet")
        self.game.keys("ctrl+a")
        self.game.type(stake)
        self.tab_to(form2, "Number of Turns", Atspi.Role.TEXT)
        self.game.keys("ctrl+a")
        self.game.type(turns)

    def test_a_whole_game_with_the_keyboard_alone(self):
        self.assertEqual(self.focused(self.form1()).name, "Ready To Go", "the focus at start")
        self.choose_rate(10)

        form2 = self.open_bet_dialog()
        self.fill_in_bet(form2, "lots", "2")
        self.press(form2, "OK")
        self.assertEqual(self.game.messages(by_keyboard=True), [rules.STAKE_HELP])
        # The refused entry comes back selected, so typing replaces it.
        stake_box = self.focused(self.game.window("Form2"))
        self.assertEqual(stake_box.name, "Amount to Bet")
        self.assertTrue(stake_box.all_selected)
        self.game.type("25")
        self.press(self.game.window("Form2"), "OK")
        self.game.window("Form1")
        self.assertEqual((self.shown()["money"], self.shown()["bet"]), ("75", "25"))

        self.play_game(rate=10, money=75, bet=25, turns=2)


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
