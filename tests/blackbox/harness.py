# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
"""Drives the real program as a user would: through the accessibility interface (AT-SPI),
real key presses and the window manager's close request. Only the program's own windows
are looked at. The test runs in an X display and a D-Bus session bus of its own (xvfb-run,
dbus-run-session); the screen-reader layer drives the program with this too."""

import contextlib
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
    """Polls until `predicate` gives a true value and returns it; `what`, or what it returns
    where it is a function, says in the failure what did not come."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what() if callable(what) else what}")


def run(*argv):
    """Runs a tool to its end; a failure says what the tool said."""
    r = subprocess.run(argv, capture_output=True, stdin=subprocess.DEVNULL, text=True, timeout=60)
    check(r.returncode == 0, f"{argv} failed ({r.returncode}): {r.stderr.strip()}")


def key(*keys, delay_ms=30):
    """Key combinations pressed one after another, e.g. key("Tab", "ctrl+q")."""
    run("xdotool", "key", "--delay", str(delay_ms), *keys)


def type_text(text):
    run("xdotool", "type", "--delay", "30", "--", text)


class Session:
    """What runs beside the program: a private home with its own settings and runtime
    directory, the accessibility bus, and whatever a subclass adds. Each process of the
    session, daemons included, carries the session's mark in its environment, so that close()
    ends exactly those."""

    dir = None
    language = "en"
    gsettings = ()  # (schema, key) pairs set true before the accessibility bus starts

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def start(self):
        self.dir = tempfile.mkdtemp(prefix="quandrel-session-")
        for name in [n for n in os.environ if n.startswith(
                ("XDG_", "AT_SPI", "QT_", "WAYLAND", "SPEECHD_", "GTK_MODULES", "LC_"))]:
            del os.environ[name]
        dirs = dict(HOME="home", XDG_CONFIG_HOME="config", XDG_DATA_HOME="data",
                    XDG_CACHE_HOME="cache", XDG_RUNTIME_DIR="runtime")
        for variable, name in dirs.items():
            os.environ[variable] = os.path.join(self.dir, name)
            os.mkdir(os.environ[variable], 0o700)
        # A locale every machine has: speech-dispatcher refuses to start in one that is not
        # installed. LANGUAGE says which language the program and the voice speak.
        os.environ.update(LANG="C.UTF-8", LANGUAGE=self.language, QUANDREL_TEST_SESSION=self.dir)
        # What the session bus starts on demand (dconf's settings service) gets the same.
        run("dbus-update-activation-environment", *dirs, "QUANDREL_TEST_SESSION")
        for schema, name in self.gsettings:
            run("gsettings", "set", schema, name, "true")
        self.spawn("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
        run("gdbus", "wait", "--session", "--timeout", "20", "org.a11y.Bus")
        self.x = xdisplay.Display()

    def spawn(self, *argv, **kwargs):
        """Starts a process in the session, by default with no input or output."""
        for stream in ("stdin", "stdout", "stderr"):
            kwargs.setdefault(stream, subprocess.DEVNULL)
        return subprocess.Popen(argv, cwd=self.dir, start_new_session=True, **kwargs)

    def _pids(self):
        mark = f"\0QUANDREL_TEST_SESSION={self.dir}\0".encode()
        pids = []
        for pid in filter(str.isdigit, os.listdir("/proc")):
            with contextlib.suppress(OSError), open(f"/proc/{pid}/environ", "rb") as f:
                if int(pid) != os.getpid() and mark in b"\0" + f.read():
                    pids.append(int(pid))
        return pids

    def close(self):
        """Ends every process of the session and removes its files."""
        if self.dir is None:
            return
        for sig in (signal.SIGTERM, signal.SIGKILL):
            for pid in self._pids():
                with contextlib.suppress(ProcessLookupError):
                    os.kill(pid, sig)
            with contextlib.suppress(Failure):
                wait_for(lambda: not self._pids(), 3)
        shutil.rmtree(self.dir, ignore_errors=True)
        self.dir = None


class Program:
    """One fresh run of the program, speaking `language` as a user's LANGUAGE asks for it."""

    def __init__(self, session, path, language="en"):
        self.session = session
        self.proc = session.spawn(path, env=dict(
            os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
            QT_SCALE_FACTOR="1", QT_ENABLE_HIGHDPI_SCALING="0", LANGUAGE=language))
        self.app = wait_for(self._find_app, 20, "the program on the accessibility bus")
        self.frame("Quandrel")

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        if self.running():
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            with contextlib.suppress(Exception):
                if app and app.get_process_id() == self.proc.pid:
                    return app
        return None

    def running(self):
        return self.proc.poll() is None

    # --- windows -----------------------------------------------------------------------
    def frames(self, title=None):
        return [w for w in (self.app.getChildAtIndex(i) for i in range(self.app.childCount))
                if w is not None and w.getState().contains(pyatspi.STATE_SHOWING)
                and (title is None or w.name == title)]

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
        w.send_event(protocol.event.ClientMessage(
            window=w, client_type=x.intern_atom("WM_PROTOCOLS"),
            data=(32, [x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
        x.flush()

    def closed(self, title):
        """Closes a window by its close box and waits for it to go."""
        self.request_close(title)
        self.gone(title)

    def open(self, frame, button, title):
        """Presses the button of `frame` that opens the window `title`, and returns that."""
        self.press(self.find(frame, "push button", button))
        return self.frame(title)

    # --- controls ----------------------------------------------------------------------
    @staticmethod
    def _descendants(node):
        for child in (node.getChildAtIndex(i) for i in range(node.childCount)):
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
        run("xdotool", "windowfocus", "--sync", str(w.id))
        time.sleep(0.2)

    @staticmethod
    def focused(node):
        return node.getState().contains(pyatspi.STATE_FOCUSED)

    @staticmethod
    def text_of(node):
        t = node.queryText()
        return t.getText(0, t.characterCount)

    @staticmethod
    def click(x, y):
        run("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")
        time.sleep(0.15)

    key = staticmethod(key)
    type = staticmethod(type_text)

    @staticmethod
    def set_clipboard(text):
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
    wait_for(lambda: getter() == want, timeout, lambda: f"{what}: {getter()!r}, expected {want!r}")


def at(p, frame, node, twips, what, tolerance=1):
    """Checks that `node` lies within `tolerance` pixels of a rectangle in `frame` given in
    twips at 96 dpi."""
    actual = p.relative(frame, node)
    expected = [round(v / 15) for v in twips]
    check(all(abs(a - e) <= tolerance for a, e in zip(actual, expected)),
          f"{what} at {actual}, expected {expected}")
