# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
"""A private, headless desktop with the Orca screen reader, for tests.

    with OrcaSession() as s:
        s.start_program(["/path/to/quandrel"])
        s.wait_for_speech(r"push button")
        mark = s.mark()
        s.key("space")
        said = s.wait_for_speech(r"^four-sided die: ", since=mark)

Needs the Debian packages orca speech-dispatcher speech-dispatcher-espeak-ng
espeak-ng at-spi2-core python3-pyatspi dbus-x11 libglib2.0-bin
dconf-gsettings-backend dconf-service xvfb openbox xdotool.
"""

import json
import os
import re
import shutil
import select
import signal
import subprocess
import tempfile
import time

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


class OrcaSession:
    def __init__(self, screen="1280x1024x24", start_timeout=60.0, settings=None, language="en"):
        """`settings` are Orca's own, over the session's: {"speakDescription": False}.
        `language` ("de") is the session's and the program's, and Orca's voice's."""
        self.screen = screen
        self.start_timeout = start_timeout
        self.language = language
        self.settings = dict(_ORCA_SETTINGS, **(settings or {}))
        self.dir = None
        self.env = None
        self.speech = []          # every SPEECH OUTPUT text so far, in order
        self.log_path = None
        self._procs = []
        self._log = None
        self._orca = None
        self._orca_out = None
        self._pending = b""
        self._entry = None
        self._mark = 0
        self._ready = False
        self._presses = 0         # mouse presses Orca has handled in full

    # ---- life cycle -------------------------------------------------------

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
        self.dir = tempfile.mkdtemp(prefix="orca-session-")
        d = self.dir
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("DBUS_", "XDG_", "AT_SPI", "QT_",
                                    "WAYLAND", "SPEECHD_", "GTK_MODULES"))}
        for name in ("home", "config", "data", "cache", "runtime", "prefs"):
            os.mkdir(os.path.join(d, name), 0o700)
        env.update(
            HOME=f"{d}/home", XDG_CONFIG_HOME=f"{d}/config",
            XDG_DATA_HOME=f"{d}/data", XDG_CACHE_HOME=f"{d}/cache",
            XDG_RUNTIME_DIR=f"{d}/runtime", LANGUAGE=self.language,
            # A locale every machine has: speech-dispatcher refuses to start in
            # one that is not installed. The voice's language is Orca's setting.
            LANG="C.UTF-8",
            GSETTINGS_BACKEND="dconf",
            # Marks every process of this session, daemons included, so that
            # close() can find and end exactly those.
            ORCA_SESSION_ID=d)
        env.pop("LC_ALL", None)
        self.env = env

        display = self._start_xvfb()
        env["DISPLAY"] = display

        env["DBUS_SESSION_BUS_ADDRESS"] = self._spawn_and_read_line(
            ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"])

        for schema, key in (("org.gnome.desktop.interface", "toolkit-accessibility"),
                            ("org.gnome.desktop.a11y.applications", "screen-reader-enabled")):
            self._run(["gsettings", "set", schema, key, "true"])
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self._run(["gdbus", "wait", "--session", "--timeout", "20", "org.a11y.Bus"])

        ready = os.path.join(d, "openbox-ready")
        self._spawn(["openbox", "--sm-disable", "--startup", f"touch {ready}"])
        self._wait(lambda: os.path.exists(ready), 20, "openbox to start")

        self._write_speechd_conf()
        self._start_orca()

    def close(self):
        """End every process of this session and remove its files."""
        if self.dir is None:
            return
        if self._log:
            self._log.close()
            self._log = None
        for sig, grace in ((signal.SIGTERM, 3.0), (signal.SIGKILL, 3.0)):
            pids = self._session_pids()
            for pid in pids:
                try:
                    os.kill(pid, sig)
                except ProcessLookupError:
                    pass
            end = time.monotonic() + grace
            while pids and time.monotonic() < end:
                for p in self._procs:
                    p.poll()
                pids = self._session_pids()
                time.sleep(0.05)
        for p in self._procs:
            try:
                p.wait(timeout=1)
            except subprocess.TimeoutExpired:
                pass
        self._procs.clear()
        if self._orca_out:
            self._orca_out.close()
            self._orca_out = None
        shutil.rmtree(self.dir, ignore_errors=True)
        self.dir = None

    # ---- programs and keys ------------------------------------------------

    def start_program(self, argv, env=None, **popen_kwargs):
        """Start a Qt program in the session, with accessibility on."""
        penv = dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                    QT_QPA_PLATFORM="xcb")
        penv.update(env or {})
        return self._spawn(list(argv), env=penv, **popen_kwargs)

    def key(self, *keys, delay_ms=30):
        """Type key combinations with xdotool, e.g. key("Tab", "ctrl+q")."""
        self._run(["xdotool", "key", "--delay", str(delay_ms), *keys])

    def type_text(self, text, delay_ms=30):
        self._run(["xdotool", "type", "--delay", str(delay_ms), "--", text])

    def click(self, x, y, timeout=10.0):
        """A click of the real pointer at (x, y) on the screen, held until Orca has handled
        the press, as a hand holds a button for a moment. Orca reads what has the focus as
        it handles a press, and speaks it only where the press changed the window: a click
        released before Orca comes to the press would be heard as though it had found the
        click's results there already."""
        self._read()
        presses = self._presses
        self._run(["xdotool", "mousemove", str(x), str(y), "mousedown", "1"])
        try:
            self._wait(lambda: self._read() or self._presses > presses, timeout,
                       "Orca to take in the press")
        finally:
            self._run(["xdotool", "mouseup", "1"])

    # ---- speech -----------------------------------------------------------

    def mark(self):
        """A point in the speech so far; wait_for_speech returns what follows it."""
        self._read()
        self._mark = len(self.speech)
        return self._mark

    def wait_for_speech(self, pattern, timeout=10.0, since=None):
        """Wait until an utterance after `since` (default: the last mark) matches the
        regular expression `pattern`; return the utterances after `since` up to it."""
        start = self._mark if since is None else since
        rx = re.compile(pattern)
        end = time.monotonic() + timeout
        while True:
            self._read()
            texts = self.speech[start:]
            for i, text in enumerate(texts):
                if rx.search(text):
                    return texts[:i + 1]
            if time.monotonic() > end:
                raise TimeoutError(f"no speech matching {pattern!r} within "
                                   f"{timeout}s; heard: {texts!r}")
            self._check_orca()
            time.sleep(0.02)

    # ---- internals --------------------------------------------------------

    def _spawn(self, argv, env=None, **kwargs):
        kwargs.setdefault("stdin", subprocess.DEVNULL)
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", subprocess.DEVNULL)
        kwargs.setdefault("cwd", self.dir)
        p = subprocess.Popen(argv, env=env or self.env, start_new_session=True, **kwargs)
        self._procs.append(p)
        return p

    def _run(self, argv):
        r = subprocess.run(argv, env=self.env, cwd=self.dir, capture_output=True,
                           stdin=subprocess.DEVNULL, text=True, timeout=60)
        if r.returncode:
            raise RuntimeError(f"{argv} failed ({r.returncode}): {r.stderr.strip()}")
        return r.stdout

    @staticmethod
    def _wait(cond, timeout, what):
        end = time.monotonic() + timeout
        while not cond():
            if time.monotonic() > end:
                raise TimeoutError(f"timed out waiting for {what}")
            time.sleep(0.02)

    def _start_xvfb(self):
        # -displayfd lets Xvfb pick a free display and say which.
        return ":" + self._spawn_and_read_line(
            ["Xvfb", "-displayfd", "{fd}", "-screen", "0", self.screen,
             "-nolisten", "tcp", "-noreset"])

    def _spawn_and_read_line(self, argv, timeout=20.0):
        """Start a daemon that reports readiness by a line on the pipe whose
        number replaces {fd} in argv."""
        r, w = os.pipe()
        try:
            self._spawn([a.format(fd=w) for a in argv], pass_fds=(w,))
            os.close(w)
            w = None
            data = b""
            end = time.monotonic() + timeout
            while b"\n" not in data and time.monotonic() < end:
                if select.select([r], [], [], 0.1)[0]:
                    chunk = os.read(r, 4096)
                    if not chunk:
                        break
                    data += chunk
        finally:
            for fd in (r, w):
                if fd is not None:
                    os.close(fd)
        if b"\n" not in data:
            raise RuntimeError(f"{argv[0]} did not start")
        return data.split(b"\n")[0].decode().strip()

    def _write_speechd_conf(self):
        # Without a sound server speech-dispatcher jams and Orca hangs;
        # espeak-ng into ALSA's null device works everywhere.
        with open("/etc/speech-dispatcher/speechd.conf") as f:
            conf = f.read()
        conf = re.sub(r"(?m)^\s*(AudioOutputMethod|AudioALSADevice|DefaultModule)\b.*$",
                      "", conf)
        conf += ('\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                 'DefaultModule espeak-ng\n')
        sd = os.path.join(self.env["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(sd)
        with open(os.path.join(sd, "speechd.conf"), "w") as f:
            f.write(conf)
        for sub in ("modules", "clients"):
            os.symlink(f"/etc/speech-dispatcher/{sub}", os.path.join(sd, sub))

    def _start_orca(self):
        prefs = os.path.join(self.dir, "prefs")
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
        self._orca_out = open(os.path.join(self.dir, "orca-stdout.log"), "wb")
        self._orca = self._spawn(
            ["/usr/bin/python3", "-c", _ORCA_WRAPPER, "-u", prefs,
             "--debug-file", self.log_path],
            stdout=self._orca_out, stderr=subprocess.STDOUT)
        self._wait(lambda: os.path.exists(self.log_path), 20, "Orca's debug log")
        self._log = open(self.log_path, "rb")
        end = time.monotonic() + self.start_timeout
        while not self._ready:
            if time.monotonic() > end:
                raise TimeoutError("Orca did not get ready; see " + self.log_path)
            self._check_orca()
            self._read()
            time.sleep(0.02)
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

    def _session_pids(self):
        tag = b"\0ORCA_SESSION_ID=" + self.dir.encode() + b"\0"
        me = os.getpid()
        pids = []
        for name in os.listdir("/proc"):
            if not name.isdigit() or int(name) == me:
                continue
            try:
                with open(f"/proc/{name}/environ", "rb") as f:
                    if tag in b"\0" + f.read():
                        pids.append(int(name))
            except OSError:
                pass
        return pids

