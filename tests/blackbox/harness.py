# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
"""Drives the real program on a virtual X display, as a user would: through the
accessibility interface (AT-SPI), real key presses and the window manager's close
request. Only the program's own windows are looked at."""

import os
import shutil
import signal
import subprocess
import tempfile
import time

import pyatspi
from Xlib import X, Xatom, display as xdisplay, protocol


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(predicate, timeout=10.0, what="condition"):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what}")


class Session:
    """A virtual display with a session bus and the accessibility bus."""

    def __init__(self):
        self.tmp = tempfile.mkdtemp(prefix="quandrel-bb-")
        self.procs = []
        for n in range(120, 400):
            if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
                self.display = f":{n}"
                break
        self.procs.append(subprocess.Popen(
            ["Xvfb", self.display, "-screen", "0", "1024x768x24", "-dpi", "96", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_for(lambda: os.path.exists(f"/tmp/.X11-unix/X{self.display[1:]}"), what="Xvfb")
        os.environ["DISPLAY"] = self.display
        os.environ["XDG_RUNTIME_DIR"] = self.tmp
        os.chmod(self.tmp, 0o700)
        bus = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.procs.append(bus)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        self.procs.append(subprocess.Popen(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        time.sleep(0.5)
        self.x = xdisplay.Display(self.display)

    def close(self):
        for p in reversed(self.procs):
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
        shutil.rmtree(self.tmp, ignore_errors=True)

    def start(self, program, language="en"):
        return Program(self, program, language)


class Program:
    """One fresh run of the program."""

    def __init__(self, session, path, language="en"):
        """Starts the program speaking `language`, as a user's LANGUAGE asks for it."""
        self.session = session
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   QT_SCALE_FACTOR="1", QT_ENABLE_HIGHDPI_SCALING="0", LANGUAGE=language,
                   LANG="C.UTF-8")
        env.pop("LC_ALL", None)
        env.pop("LC_MESSAGES", None)
        self.proc = subprocess.Popen([path], env=env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        self.app = wait_for(self._find_app, 20, "the program on the accessibility bus")
        self.frame("Quandrel")

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app and app.get_process_id() == self.proc.pid:
                    return app
            except Exception:
                pass
        return None

    def running(self):
        return self.proc.poll() is None

    def stop(self):
        if self.running():
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()

    # --- windows -----------------------------------------------------------------------
    def frames(self, title=None):
        found = []
        for i in range(self.app.childCount):
            w = self.app.getChildAtIndex(i)
            if w is None:
                continue
            states = w.getState()
            if states.contains(pyatspi.STATE_SHOWING) and (title is None or w.name == title):
                found.append(w)
        return found

    def frame(self, title, timeout=10.0):
        return wait_for(lambda: (self.frames(title) or [None])[0], timeout, f"window '{title}'")

    def gone(self, title, timeout=10.0):
        wait_for(lambda: not self.frames(title), timeout, f"window '{title}' to close")

    def xwindow(self, title):
        """The X window of one of the program's top-level windows, by its title."""
        x = self.session.x
        found = []

        def walk(w):
            try:
                # The title in UTF-8, as Qt sets it for any script; WM_NAME holds only Latin-1.
                utf8 = w.get_full_property(x.intern_atom("_NET_WM_NAME"), x.intern_atom("UTF8_STRING"))
                name = utf8.value.decode() if utf8 else w.get_wm_name()
                pid = w.get_full_property(x.intern_atom("_NET_WM_PID"), Xatom.CARDINAL)
            except Exception:
                return
            if name == title and pid and pid.value[0] == self.proc.pid:
                found.append(w)
            for child in w.query_tree().children:
                walk(child)

        walk(x.screen().root)
        return found[0] if found else None

    def request_close(self, title):
        """What a window manager does for the close box: WM_DELETE_WINDOW."""
        x = self.session.x
        w = wait_for(lambda: self.xwindow(title), what=f"X window '{title}'")
        event = protocol.event.ClientMessage(
            window=w, client_type=x.intern_atom("WM_PROTOCOLS"),
            data=(32, [x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        w.send_event(event)
        x.flush()

    # --- controls ----------------------------------------------------------------------
    @staticmethod
    def _descendants(node):
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                yield child
                yield from Program._descendants(child)

    def find(self, root, role=None, name=None, index=0):
        matches = [c for c in self._descendants(root)
                   if (role is None or c.getRoleName() == role) and (name is None or c.name == name)]
        if len(matches) <= index:
            raise Failure(f"no {role} named {name!r} (#{index}) in '{root.name}'")
        return matches[index]

    def all(self, root, role):
        return [c for c in self._descendants(root) if c.getRoleName() == role]

    @staticmethod
    def extents(node):
        e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return (e.x, e.y, e.width, e.height)

    def relative(self, frame, node):
        fx, fy, _, _ = self.extents(frame)
        x, y, w, h = self.extents(node)
        return (x - fx, y - fy, w, h)

    @staticmethod
    def press(node):
        """The accessible press action. Qt animates it as a 100 ms click, during which a
        second press of the same button is ignored, so wait that out."""
        action = node.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press") if "Press" in names else 0)
        time.sleep(0.2)

    def activate(self, title):
        """Gives a window the keyboard focus, as clicking into it would."""
        w = wait_for(lambda: self.xwindow(title), what=f"X window '{title}'")
        subprocess.run(["xdotool", "windowfocus", "--sync", str(w.id)], check=True)
        time.sleep(0.2)

    @staticmethod
    def focused(node):
        return node.getState().contains(pyatspi.STATE_FOCUSED)

    @staticmethod
    def text_of(node):
        t = node.queryText()
        return t.getText(0, t.characterCount)

    def click(self, x, y):
        subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "1"], check=True)
        time.sleep(0.15)

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "30", *keys], check=True)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "30", "--", text], check=True)

    def set_clipboard(self, text):
        """Puts text on the X clipboard; xclip stays behind to hand it out."""
        subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode(),
                       check=True)


def caption(node):
    """What a control shows. The program names a control whose caption alone would not say
    what it is by what it is, then its caption after a colon ("four-sided die: 4", "row 2
    total: 15"); the names of other controls are their captions."""
    return node.name.rsplit(": ", 1)[-1]


def expect(getter, want, what, timeout=3.0):
    """Waits for a control to show `want` (a click's handler runs a moment after the
    accessible press), and fails with what it shows instead."""
    end = time.monotonic() + timeout
    while True:
        got = getter()
        if got == want:
            return
        if time.monotonic() > end:
            raise Failure(f"{what}: {got!r}, expected {want!r}")
        time.sleep(0.05)


def near(actual, expected_twips, tolerance=1):
    """A rectangle in pixels within `tolerance` of one given in twips at 96 dpi."""
    expected = [round(v / 15) for v in expected_twips]
    return all(abs(a - e) <= tolerance for a, e in zip(actual, expected)), expected
