#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
"""The real program heard through the real screen reader: run.py PATH_TO_QUANDREL.

Orca runs headless beside the program; every kind of roll is made with the keyboard, and
what Orca speaks must name each face and total that the window then shows (read through
the accessibility interface), without the keyboard focus moving."""

import os
import re
import sys
import time

from orca_session import OrcaSession


def main():
    program = os.path.abspath(sys.argv[1])
    started = time.monotonic()
    with OrcaSession() as session:
        # The accessibility bus is the session's: connect to it before loading pyatspi.
        os.environ.update(DISPLAY=session.env["DISPLAY"],
                          DBUS_SESSION_BUS_ADDRESS=session.env["DBUS_SESSION_BUS_ADDRESS"])
        import pyatspi

        proc = session.start_program([program])
        listener = Listener(session, pyatspi, proc.pid)
        listener.run()
    print(f"screenreader: {listener.passed} passed, {len(listener.failures)} failed "
          f"({time.monotonic() - started:.1f} s)")
    for failure in listener.failures:
        print("FAIL  ", failure)
    return 1 if listener.failures or not listener.passed else 0


class Listener:
    """Presses keys as a blind player would and checks what Orca says back."""

    def __init__(self, session, pyatspi, pid):
        self.session = session
        self.atspi = pyatspi
        self.pid = pid
        self.passed = 0
        self.failures = []

    def hear(self, keys, pattern, what, timeout=10):
        """Presses `keys`, waits for speech matching `pattern` and returns it; None when
        Orca said nothing of the kind."""
        mark = self.session.mark()
        self.session.key(*keys)
        try:
            heard = self.session.wait_for_speech(pattern, timeout, since=mark)[-1]
        except TimeoutError as error:
            self.failures.append(f"{what}: {error}")
            return None
        print(f"heard  {what}: {heard!r}", flush=True)
        return heard

    def expect(self, heard, wanted, what):
        """Counts a check: Orca said `wanted` (a full utterance, with Orca's full stop)."""
        if heard is None:
            return
        if heard == wanted:
            self.passed += 1
        else:
            self.failures.append(f"{what}: heard {heard!r}, the window shows {wanted!r}")

    # --- the program's windows, read through the accessibility interface -------------------
    def window(self, title):
        desktop = self.atspi.Registry.getDesktop(0)
        for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
            if app is not None and app.get_process_id() == self.pid:
                for w in (app.getChildAtIndex(i) for i in range(app.childCount)):
                    if w is not None and w.name == title and \
                            w.getState().contains(self.atspi.STATE_SHOWING):
                        return w
        raise AssertionError(f"no window {title!r}")

    def controls(self, window, role):
        found = []

        def walk(node):
            for child in (node.getChildAtIndex(i) for i in range(node.childCount)):
                if child is not None:
                    if child.getRoleName() == role:
                        found.append(child)
                    walk(child)
        walk(window)
        return found

    def focused(self, window):
        return [c.name for c in self.controls(window, "push button")
                if c.getState().contains(self.atspi.STATE_FOCUSED)]

    def labels(self, window):
        return {c.description or c.name: c.name for c in self.controls(window, "label")}

    # --- the walk through every roll -------------------------------------------------------
    def run(self):
        s = self.session
        s.wait_for_speech(r"four-sided die", 30)
        main = self.window("Quandrel")
        dice = self.controls(main, "push button")[:8]

        # Until a face repeats, which Orca must hear as well: a fresh run's third press.
        faces = []
        while len(faces) < 2 or faces[-1] != faces[-2]:
            keys = ["Return"] if len(faces) % 2 else ["space"]
            heard = self.hear(keys, r"^four-sided die: ", f"a die, {keys[0]}")
            faces.append(dice[0].name)
            self.expect(heard, f"four-sided die: {faces[-1]}.", "a die's face")
            if heard is None or len(faces) == 10:
                self.failures.append(f"no repeated face among {faces}")
                break
        self.expect_focus(main, "4", "a die")

        self.hear(["Tab"] * 8, r"^Roll All push button", "to Roll All")
        heard = self.hear(["space"], r"^d4: ", "Roll All")
        kinds = ["d4", "d6", "d8", "d10", "d12", "d20", "percentile", "d100"]
        self.expect(heard, ", ".join(f"{k}: {d.name}" for k, d in zip(kinds, dice)) + ".",
                    "Roll All's faces")
        self.expect_focus(main, "Roll All", "Roll All")

        self.hear(["Tab", "Tab"], r"^Multiple Dice Roller push button", "to the multiple roller")
        mark = s.mark()
        heard = self.hear(["space"], r"^Die kind editable combo box", "the multiple roller opens")
        self.expect(heard, "Die kind editable combo box.", "the die-kind box's name")
        try:  # then what the box shows
            entry = s.wait_for_speech(r"^DIE\.$", 5, since=mark)[-1]
        except TimeoutError as error:
            entry = str(error)
        self.expect(entry, "DIE.", "the die-kind box's entry")
        self.hear(["Tab", "Tab"], r"^Roll push button", "to Roll")
        heard = self.hear(["space"], r"die kind", "Roll with no kind")
        self.expect(heard, "No die kind chosen: pick one from the list.", "Roll with no kind")
        self.hear(["shift+Tab", "shift+Tab"], r"^DIE$", "back to the die kind")
        self.hear(["Down", "Down"], r"^Die 6$", "picking Die 6")
        self.hear(["Tab"], r"^Number of rolls", "to the count")
        s.type_text("3")
        self.hear(["Tab"], r"^Roll push button", "to Roll")
        heard = self.hear(["space"], r"six-sided dice", "Roll 3 six-sided dice")
        total = self.labels(self.window("Muliple Dice Roller"))["sum of the dice"]
        self.expect(heard, f"3 six-sided dice: total {total}.", "the multiple roller's total")
        self.expect_focus(self.window("Muliple Dice Roller"), "Roll", "the multiple roller")

        self.hear(["alt+F4"], r"^Multiple Dice Roller push button", "closing the multiple roller")
        self.hear(["shift+Tab"], r"^Character Stat Roller push button", "to the stat roller")
        self.hear(["space"], r"^Roll All push button", "the stat roller opens")
        stats = self.window("Character Stat Roller")
        heard = self.hear(["space"], r"^totals ", "the stat roller's Roll All")
        shown = self.labels(stats)
        self.expect(heard, "totals " + ", ".join(shown[f"row {k} total"] for k in range(1, 7)) + ".",
                    "the six totals")
        self.hear(["Tab", "Tab"], r"^Re-roll row 2", "to row 2's Re-Roll")
        heard = self.hear(["space"], r"^row 2: ", "Re-Roll of row 2")
        shown = self.labels(stats)
        faces = ", ".join(shown[f"row 2, die {j}"] for j in range(1, 5))
        self.expect(heard, f"row 2: {faces}; total {shown['row 2 total']}.", "row 2's faces and total")
        self.expect_focus(stats, "Re-Roll", "Re-Roll")

        self.hear(["alt+F4"], r"^Character Stat Roller push button", "closing the stat roller")
        self.hear(["Tab", "Tab"], r"^About push button", "to About")
        heard = self.hear(["space"], r"^OK push button", "the About window opens")
        said = " ".join(s.speech[-4:]) if heard else ""
        for text in ("About Quandrel dialog", "Quandrel. Version 1.7.0.",
                     "Designed and programmed by the Quandrel authors."):
            self.expect(text if text in said else said, text, "the About window")

    def expect_focus(self, window, name, what):
        focused = self.focused(window)
        self.expect(focused, [name], f"the focus after {what}")


if __name__ == "__main__":
    sys.exit(main())
