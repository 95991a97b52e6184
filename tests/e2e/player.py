# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
"""Plays the running game as a person does: the mouse and the keyboard go through
the X server (xdotool), and what the windows and message boxes show is read over
the accessibility bus, as a screen reader reads it."""

import os
import subprocess
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

from session import stop, wait_until  # noqa: E402

STARTUP = 20      # seconds for the first window to appear
RESPONSE = 10     # seconds for the game to answer a click or a key
# After a message is dismissed, a further one of the same turn opens at once; this
# long without one and the turn is over.
QUIET = 1.0


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=RESPONSE)


def _walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from _walk(child)


def _showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


class Control:
    """One control of a window as the accessibility bus reports it."""

    def __init__(self, node):
        self.node = node

    @property
    def role(self):
        return self.node.get_role()

    @property
    def name(self):
        return self.node.get_name()

    @property
    def description(self):
        return self.node.get_description()

    @property
    def text(self):
        """A text box's contents; a label's name is its text."""
        if self.role == Atspi.Role.LABEL:
            return self.name
        return Atspi.Text.get_text(self.node, 0, -1)

    def has(self, state):
        return self.node.get_state_set().contains(state)

    @property
    def focused(self):
        return self.has(Atspi.StateType.FOCUSED)

    @property
    def checked(self):
        return self.has(Atspi.StateType.CHECKED)

    @property
    def showing(self):
        return _showing(self.node)

    @property
    def all_selected(self):
        """Whether a text box's whole text is selected, to be typed over."""
        if Atspi.Text.get_n_selections(self.node) != 1:
            return False
        selection = Atspi.Text.get_selection(self.node, 0)
        return (selection.start_offset, selection.end_offset) == (0, Atspi.Text.get_character_count(self.node))

    def announced(self):
        """What a screen reader is told of the control: name, role, description, states."""
        states = sorted(state.value_nick for state in self.node.get_state_set().get_states())
        return f"{self.name!r}, {self.node.get_role_name()}, {self.description!r}, {', '.join(states)}"

    def centre(self):
        box = Atspi.Component.get_extents(self.node, Atspi.CoordType.SCREEN)
        return box.x + box.width // 2, box.y + box.height // 2

    def __repr__(self):
        return f"<{self.node.get_role_name()} {self.name!r} ({self.description!r})>"


class Window(Control):
    def find(self, name=None, description=None, role=None):
        """The one showing control with the given name, description and role."""
        found = [Control(node) for node in _walk(self.node)
                 if node is not self.node
                 and (name is None or node.get_name() == name)
                 and (description is None or node.get_description() == description)
                 and (role is None or node.get_role() == role)]
        if len(found) != 1:
            raise AssertionError(f"{self.name}: expected one control named {name!r} described {description!r}, "
                                 f"found {found}")
        return found[0]

    def controls(self):
        return [Control(node) for node in _walk(self.node) if node is not self.node]

    def focused_control(self):
        """The control with the keyboard focus, the innermost one if several say so."""
        focused = [c for c in self.controls() if c.focused]
        return focused[-1] if focused else None


class Message(Window):
    """An open message box: its text and its OK button."""

    @property
    def text(self):
        return self.text_label.name

    @property
    def text_label(self):
        labels = [c for c in self.controls() if c.role == Atspi.Role.LABEL and c.name]
        if len(labels) != 1:
            raise AssertionError(f"message box with labels {[label.name for label in labels]}")
        return labels[0]

    @property
    def ok(self):
        """Its one button, "OK" in English, "Aceptar" in Spanish."""
        return self.find(role=Atspi.Role.PUSH_BUTTON)


class Game:
    """The kuvel process, started by the test and always stopped by it."""

    def __init__(self, command, extra_env=None):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **(extra_env or {}))
        # Qt reports positions over the bus in unscaled pixels.
        self.scale = float(env.get("QT_SCALE_FACTOR", "1"))
        self.process = subprocess.Popen(command, env=env)
        self.app = wait_until(self._find_application, STARTUP, "the game on the accessibility bus")
        # Nothing is cached: every read asks the running game.
        self.app.set_cache_mask(Atspi.Cache.NONE)
        self.window("Form1")

    def close(self):
        stop(self.process)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def _find_application(self):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def _top_levels(self):
        try:
            return [self.app.get_child_at_index(i) for i in range(self.app.get_child_count())]
        except GLib.Error:
            if self.running():
                raise
            return []  # the game has ended and left the bus

    def showing_windows(self):
        return [node for node in self._top_levels()
                if node is not None and _showing(node) and node.get_role() != Atspi.Role.ALERT]

    def open_messages(self):
        return [Message(node) for node in self._top_levels()
                if node is not None and node.get_role() == Atspi.Role.ALERT and _showing(node)]

    def window(self, title):
        """The showing window with this title, once it is there."""
        def showing():
            return next((node for node in self.showing_windows() if node.get_name() == title), None)
        return Window(wait_until(showing, RESPONSE, f"window {title}"))

    def hidden_window(self, title):
        """A window the game keeps while it is hidden, to read what it holds."""
        node = next((n for n in self._top_levels() if n is not None and n.get_name() == title), None)
        assert node is not None and not _showing(node), f"{title} is not a hidden window"
        return Window(node)

    def shown_titles(self):
        return sorted(node.get_name() for node in self.showing_windows())

    # -- a person's hands ---------------------------------------------------------

    def click(self, control):
        """A left click in the middle of the control, never behind an open message box."""
        assert not self.open_messages(), "a click behind an open message box"
        self._click_at(control)

    def _click_at(self, control):
        x, y = (round(c * self.scale) for c in control.centre())
        xdotool("mousemove", "--sync", str(x), str(y), "click", "1")

    def keys(self, *names):
        for name in names:
            xdotool("key", "--delay", "30", name)

    def hold(self, name, seconds):
        """The key held down, long enough for the keyboard to repeat it."""
        xdotool("keydown", name)
        time.sleep(seconds)
        xdotool("keyup", name)

    def type(self, text):
        xdotool("type", "--delay", "30", "--", text)

    def fill_in(self, box, text):
        """Clicks into a text box, selects what it holds and types over it."""
        self.click(box)
        self.keys("ctrl+a")
        self.type(text)

    # -- message boxes ----------------------------------------------------------

    def next_message(self, timeout=RESPONSE):
        messages = wait_until(self.open_messages, timeout, "a message box")
        assert len(messages) == 1, f"{len(messages)} message boxes open at once"
        return messages[0]

    def dismiss(self, message, by_keyboard=False):
        """OK on the message box, clicked or (keyboard) Enter on its text, where the
        focus is when it opens."""
        text = message.text
        if by_keyboard:
            wait_until(lambda: message.text_label.focused, RESPONSE, "the message's text to have the focus")
            self.keys("Return")
        else:
            self._click_at(message.ok)
        wait_until(lambda: all(m.node != message.node for m in self.open_messages()),
                   RESPONSE, f"the message box {text!r} to close")

    def messages(self, on_each=None, by_keyboard=False):
        """Reads and dismisses every message box until none follows; on_each(text)
        runs while each box is still open. Returns the texts in order."""
        texts = []
        message = self.next_message()
        while message is not None:
            texts.append(message.text)
            if on_each:
                on_each(message.text)
            self.dismiss(message, by_keyboard)
            message = self._message_within(QUIET)
        return texts

    def _message_within(self, seconds):
        try:
            return self.next_message(seconds)
        except TimeoutError:
            return None

    def exit_status(self, timeout=RESPONSE):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the game is still running {timeout} s later") from None

    def running(self):
        return self.process.poll() is None

    def wait_a_moment(self):
        """Long enough for a window to have opened had the click opened one."""
        time.sleep(QUIET)
