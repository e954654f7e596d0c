# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
"""A private, headless desktop with the Orca screen reader, for tests, in the X display and
the D-Bus session bus the test runs in (xvfb-run -a, dbus-run-session), with the black-box
harness's Program to start and read the program:

    with OrcaSession() as s:
        Program(s, "/path/to/quandrel")
        s.wait_for_speech(r"push button")
        mark = s.mark()
        key("space")
        said = s.wait_for_speech(r"^four-sided die: ", since=mark)

Needs the Debian packages orca speech-dispatcher speech-dispatcher-espeak-ng
espeak-ng at-spi2-core python3-pyatspi python3-xlib dbus dbus-x11 libglib2.0-bin
dconf-gsettings-backend dconf-service xvfb xauth openbox xdotool.
"""

import json
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "blackbox"))
from harness import Session, run, wait_for

__all__ = ["OrcaSession"]

# Runs /usr/bin/orca's own main() with two changes:
# - the debug log is written unbuffered, one write per entry, so a test can
#   read each SPEECH OUTPUT line the moment Orca speaks it;
# - no check for, or renaming to, a process called "orca": Orca looks for
#   other instances by name for the whole user, which would tie this session
#   to any other Orca (a real one, or a parallel test).
_ORCA_WRAPPER = r"""
import io, sys

class _EntryLog(io.TextIOWrapper):
    def writelines(self, lines):
        self.write("".join(lines))

def _open(path, mode="r", *args, **kwargs):
    if mode != "w":
        return open(path, mode, *args, **kwargs)
    return _EntryLog(open(path, "wb", buffering=0), encoding="utf-8",
                     errors="replace", write_through=True)

ns = {"__name__": "orca_launcher", "__file__": "/usr/bin/orca"}
with open("/usr/bin/orca") as f:
    exec(compile(f.read(), "/usr/bin/orca", "exec"), ns)
ns["open"] = _open
ns["otherOrcas"] = lambda: []
ns["setProcessName"] = lambda name: None
sys.argv[0] = "/usr/bin/orca"
sys.exit(ns["main"]())
"""

# "SPEECH OUTPUT: 'text'", then maybe a voice name, then the voice as a
# dict, a list of dicts or None.
_SPEECH = re.compile(
    r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?\s*(?:\[?\{.*\}\]?|None|\[\])?\s*$", re.S)
_READY = "ORCA: Starting ATSPI registry."

# No echo of typed keys in the speech; no braille (there is no display, and
# each try to reach one fills the log).
_ORCA_SETTINGS = {"enableKeyEcho": False, "enableBraille": False}


class OrcaSession(Session):
    gsettings = (("org.gnome.desktop.interface", "toolkit-accessibility"),
                 ("org.gnome.desktop.a11y.applications", "screen-reader-enabled"))

    def __init__(self, settings=None, language="en"):
        """`settings` are Orca's own, over the session's: {"speakDescription": False}.
        `language` ("de") is the session's and the program's, and Orca's voice's."""
        self.language = language
        self.settings = dict(_ORCA_SETTINGS, **(settings or {}))
        self.speech = []          # every SPEECH OUTPUT text so far, in order
        self.log_path = None
        self._log = None
        self._orca = None
        self._pending = b""
        self._entry = None
        self._mark = 0
        self._ready = False
        self._presses = 0         # mouse presses Orca has handled in full

    # ---- life cycle -------------------------------------------------------

    def start(self):
        os.environ["GSETTINGS_BACKEND"] = "dconf"
        super().start()
        ready = os.path.join(self.dir, "openbox-ready")
        self.spawn("openbox", "--sm-disable", "--startup", f"touch {ready}")
        wait_for(lambda: os.path.exists(ready), 20, "openbox to start")
        self._write_speechd_conf()
        self._start_orca()

    def close(self):
        if self._log:
            self._log.close()
            self._log = None
        super().close()

    def click(self, x, y, timeout=10.0):
        """A click of the real pointer at (x, y) on the screen, held until Orca has handled
        the press, as a hand holds a button for a moment. Orca reads what has the focus as
        it handles a press, and speaks it only where the press changed the window: a click
        released before Orca comes to the press would be heard as though it had found the
        click's results there already."""
        self._read()
        presses = self._presses
        run("xdotool", "mousemove", str(x), str(y), "mousedown", "1")
        try:
            wait_for(lambda: self._read() or self._presses > presses, timeout,
                     "Orca to take in the press")
        finally:
            run("xdotool", "mouseup", "1")

    # ---- speech -----------------------------------------------------------

    def since(self, mark):
        """What Orca has said since `mark`."""
        self._read()
        return self.speech[mark:]

    def mark(self):
        """A point in the speech so far; wait_for_speech returns what follows it."""
        self._mark = len(self.since(0))
        return self._mark

    def wait_for_speech(self, pattern, timeout=10.0, since=None):
        """Wait until an utterance after `since` (default: the last mark) matches the
        regular expression `pattern`; return the utterances after `since` up to it."""
        start = self._mark if since is None else since
        rx = re.compile(pattern)

        def heard():
            self._check_orca()
            texts = self.since(start)
            return next((texts[:i + 1] for i, text in enumerate(texts) if rx.search(text)), None)
        return wait_for(heard, timeout, lambda: f"speech matching {pattern!r} within {timeout}s; "
                                                f"heard: {self.speech[start:]!r}")

    # ---- internals --------------------------------------------------------

    def _write_speechd_conf(self):
        # Without a sound server speech-dispatcher jams and Orca hangs;
        # espeak-ng into ALSA's null device works everywhere.
        with open("/etc/speech-dispatcher/speechd.conf") as f:
            conf = f.read()
        conf = re.sub(r"(?m)^\s*(AudioOutputMethod|AudioALSADevice|DefaultModule)\b.*$",
                      "", conf)
        conf += ('\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                 'DefaultModule espeak-ng\n')
        sd = os.path.join(os.environ["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(sd)
        with open(os.path.join(sd, "speechd.conf"), "w") as f:
            f.write(conf)
        for sub in ("modules", "clients"):
            os.symlink(f"/etc/speech-dispatcher/{sub}", os.path.join(sd, sub))

    def _start_orca(self):
        prefs = os.path.join(self.dir, "prefs")
        os.mkdir(prefs, 0o700)
        general = dict(self.settings)
        if self.language != "en":
            # The voice a user picks in Orca's preferences: the same for
            # everything Orca says, in the session's language.
            voice = {"family": {"lang": self.language, "dialect": ""}}
            general.setdefault("voices", {"default": voice, "system": voice,
                                          "hyperlink": voice,
                                          "uppercase": dict(voice, **{"average-pitch": 7.0})})
        with open(os.path.join(prefs, "user-settings.conf"), "w") as f:
            json.dump({"general": general,
                       "profiles": {"default": dict(general, profile=["Default", "default"])},
                       "pronunciations": {}, "keybindings": {}}, f)
        self.log_path = os.path.join(self.dir, "orca-debug.log")
        with open(os.path.join(self.dir, "orca-stdout.log"), "wb") as out:
            self._orca = self.spawn("/usr/bin/python3", "-c", _ORCA_WRAPPER, "-u", prefs,
                                    "--debug-file", self.log_path,
                                    stdout=out, stderr=subprocess.STDOUT)
        wait_for(lambda: os.path.exists(self.log_path), 20, "Orca's debug log")
        self._log = open(self.log_path, "rb")

        def ready():
            self._check_orca()
            self._read()
            return self._ready
        wait_for(ready, 60, "Orca to get ready; see " + self.log_path)
        self.mark()

    def _check_orca(self):
        if self._orca and self._orca.poll() is not None:
            with open(os.path.join(self.dir, "orca-stdout.log"), errors="replace") as f:
                out = f.read()[-2000:]
            raise RuntimeError(f"Orca exited ({self._orca.returncode}): {out}")

    def _read(self):
        if self._log is None:
            return
        data = self._log.read()
        if not data:
            return
        lines = (self._pending + data).split(b"\n")
        self._pending = lines.pop()
        for raw in lines:
            line = raw.decode("utf-8", "replace")
            if self._entry is not None and line.startswith(" " * 18):
                self._entry += "\n" + line[18:]
            else:
                self._finish_entry()
                self._entry = line
        # Orca writes each entry in one go, so when nothing is pending the
        # last entry is whole; otherwise more of its lines may follow.
        if not self._pending:
            self._finish_entry()

    def _finish_entry(self):
        entry, self._entry = self._entry, None
        if entry is None:
            return
        if _READY in entry:
            self._ready = True
        if entry.startswith("^^^^^ PROCESS OBJECT EVENT mouse:button:1p"):
            self._presses += 1
        m = _SPEECH.search(entry)
        if m:
            self.speech.append(m.group(1))
