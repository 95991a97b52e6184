# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
"""A private desktop for playing the game: its own X display, a window manager
and an accessibility bus, all stopped again however the run ends."""

import contextlib
import os
import select
import signal
import subprocess
import sys
import tempfile
import time

SCREEN = "1920x1200x24"


def stop(process, grace=5):
    """Ends a process this run started, politely first."""
    if process.poll() is None:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(grace)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def wait_until(condition, timeout, what):
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise TimeoutError(f"gave up after {timeout} s waiting for {what}")
        time.sleep(0.05)


@contextlib.contextmanager
def x_display():
    """Xvfb on a display number it picks itself, so parallel runs never collide."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp", "-screen", "0", SCREEN],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    try:
        number = b""
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], 10)
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                raise RuntimeError("Xvfb did not report its display")
            number += chunk
        yield ":" + number.decode().strip()
    finally:
        os.close(read_end)
        stop(server)


def run_in_session_bus(command, display, timeout):
    """Runs the command inside its own D-Bus session on the display; returns its status."""
    with tempfile.TemporaryDirectory(prefix="kuvel-e2e-") as runtime:
        env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=runtime, PYTHONDONTWRITEBYTECODE="1")
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        child = subprocess.Popen(["dbus-run-session", "--", *command], env=env)
        try:
            return child.wait(timeout)
        except subprocess.TimeoutExpired:
            print(f"e2e: stopped after {timeout} s", flush=True)
            return 124
        finally:
            stop(child)


def _window_manager_running():
    probe = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True, text=True)
    return "window id" in probe.stdout


def _accessibility_bus_running():
    # Asked without starting the bus, which the session would otherwise do on its own.
    probe = subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
         "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"], capture_output=True, text=True)
    return "boolean true" in probe.stdout


@contextlib.contextmanager
def desktop():
    """Inside the session bus: a window manager, which hands the focus back to a
    window when a message box over it closes as a player's desktop does, and the
    accessibility bus that a screen reader would listen to."""
    helpers = []
    try:
        helpers.append(subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_until(_window_manager_running, 10, "the window manager")
        helpers.append(subprocess.Popen(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately", "--a11y=1"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_until(_accessibility_bus_running, 10, "the accessibility bus")
        yield
    finally:
        for helper in reversed(helpers):
            stop(helper)


def on_private_desktop(inside, timeout):
    """Runs inside() on a desktop of its own: this script starts again on a new
    display within its own session bus, and there calls inside(). Returns the
    exit status."""
    if os.environ.get("KUVEL_E2E_INSIDE"):
        with desktop():
            return inside()
    os.environ["KUVEL_E2E_INSIDE"] = "1"
    with x_display() as display:
        return run_in_session_bus([sys.executable, os.path.abspath(sys.argv[0]), *sys.argv[1:]], display, timeout)
