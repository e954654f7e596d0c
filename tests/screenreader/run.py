#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
"""The real program heard through the real screen reader:
    run.py PATH_TO_QUANDREL [--no-descriptions | --language=de | --language=ru]

Orca runs headless beside the program, with its default settings or with descriptions not
spoken, or in another language. A blind player's walk through every window, by keyboard and once by mouse: each
control must be heard by what it is, every roll and refusal exactly once, naming the faces
and totals the window then shows (read through the accessibility interface), without the
keyboard focus moving."""

import os
import re
import sys
import time

from orca_session import OrcaSession


def main():
    program = os.path.abspath(sys.argv[1])
    descriptions = "--no-descriptions" not in sys.argv[2:]
    language = next((a.split("=", 1)[1] for a in sys.argv[2:] if a.startswith("--language=")),
                    "en")
    started = time.monotonic()
    with OrcaSession(settings={"speakDescription": descriptions}, language=language) as session:
        # The accessibility bus is the session's: connect to it before loading pyatspi.
        os.environ.update(DISPLAY=session.env["DISPLAY"],
                          DBUS_SESSION_BUS_ADDRESS=session.env["DBUS_SESSION_BUS_ADDRESS"])
        import pyatspi

        proc = session.start_program([program])
        listener = Listener(session, pyatspi, proc.pid) if language == "en" else \
            LanguageListener(session, pyatspi, proc.pid, language)
        listener.run()
        print("everything Orca said:", *(f"  {said!r}" for said in session.speech), sep="\n")
    which = f"in {language}" if language != "en" else \
        "with descriptions" if descriptions else "without descriptions"
    print(f"screenreader ({which}): {listener.passed} passed, {len(listener.failures)} failed "
          f"({time.monotonic() - started:.1f} s)")
    for failure in listener.failures:
        print("FAIL  ", failure)
    return 1 if listener.failures or not listener.passed else 0


def caption(node):
    """What a control shows: its name, after the colon where the name says first what the
    control is ("four-sided die: 4")."""
    return node.name.rsplit(": ", 1)[-1]


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
        return self.wait(pattern, what, mark, timeout)

    def wait(self, pattern, what, mark, timeout=10):
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

    def hear_each(self, keys, pattern, wanted, what, delay_ms):
        """Presses `keys` `delay_ms` apart and counts a check: what Orca said that matches
        `pattern`, within a moment after the last of `wanted`, is `wanted`."""
        mark = self.session.mark()
        self.session.key(*keys, delay_ms=delay_ms)
        heard, end = [], time.monotonic() + 10
        while len(heard) < len(wanted) and time.monotonic() < end:
            time.sleep(0.1)
            self.session.mark()
            heard = [s for s in self.session.speech[mark:] if re.search(pattern, s)]
        time.sleep(0.8)
        self.session.mark()
        heard = [s for s in self.session.speech[mark:] if re.search(pattern, s)]
        print(f"heard  {what}: {heard!r}", flush=True)
        self.expect(heard, wanted, what)

    def once(self, text, mark, what):
        """Counts a check: of what Orca said since `mark`, within a moment more, exactly one
        utterance holds `text`."""
        time.sleep(0.8)
        self.session.mark()
        said = [s for s in self.session.speech[mark:] if text in s]
        self.expect(len(said), 1, f"{what} heard once in {self.session.speech[mark:]!r}")

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
        return {c.name.rsplit(": ", 1)[0]: caption(c) for c in self.controls(window, "label")}

    def expect_focus(self, window, name, what):
        self.expect(self.focused(window), [name], f"the focus after {what}")

    # --- the walk ------------------------------------------------------------------------
    def run(self):
        s = self.session
        s.wait_for_speech(r"four-sided die: 4 push button", 30)
        main = self.window("Quandrel")
        dice = self.controls(main, "push button")[:8]

        # Five rolls of a die by the keyboard, 70 ms apart: each heard, with the face it
        # rolled, in order, the repeated one too. A fresh run's source gives the d4 these.
        faces = [4, 1, 4, 4, 1]
        self.hear_each(["space", "Return"] * 2 + ["space"], r"^four-sided die: \d+\.$",
                       [f"four-sided die: {face}." for face in faces], "five fast rolls", 70)
        self.expect_focus(main, f"four-sided die: {faces[-1]}", "a die")
        # A die is known by its kind and what it shows.
        heard = self.hear(["Tab"], r"^six-sided die: 6 push button", "to the six-sided die")
        self.expect(heard, "six-sided die: 6 push button.", "the six-sided die on focus")

        self.hear(["Tab"] * 7, r"^Roll All push button", "to Roll All")
        mark = s.mark()
        heard = self.hear(["space"], r"^d4: ", "Roll All")
        kinds = ["d4", "d6", "d8", "d10", "d12", "d20", "percentile", "d100"]
        shown = ", ".join(f"{k}: {caption(d)}" for k, d in zip(kinds, dice))
        self.expect(heard, shown + ".", "Roll All's faces")
        self.once(shown, mark, "Roll All")
        self.expect_focus(main, "Roll All", "Roll All")

        self.hear(["Tab", "Tab"], r"^Multiple Dice Roller push button", "to the multiple roller")
        self.multiple_roller()
        self.hear(["alt+F4"], r"^Multiple Dice Roller push button", "closing the multiple roller")
        self.hear(["shift+Tab"], r"^Character Stat Roller push button", "to the stat roller")
        self.stat_roller(main, dice)
        # The clicked die keeps the main window's focus.
        self.hear(["alt+F4"], r"^twenty-sided die: \d+ push button", "closing the stat roller")
        self.hear(["Tab"] * 6, r"^About push button", "to About")
        self.about()

    def multiple_roller(self):
        s = self.session
        mark = s.mark()
        heard = self.hear(["space"], r"^Die kind editable combo box", "the multiple roller opens")
        self.expect(heard, "Die kind editable combo box.", "the die-kind box's name")
        entry = self.wait(r"^DIE\.$", "the die-kind box's entry", mark, 5)
        self.expect(entry, "DIE.", "the die-kind box's entry")
        # The count box says what it shows, whole.
        heard = self.hear(["Tab"], r"selected\.$", "to the count")
        self.expect(heard, "# of Rolls selected.", "the count box's text")
        self.hear(["Tab"], r"^Roll push button", "to Roll")
        mark = s.mark()
        heard = self.hear(["space"], r"die kind", "Roll with no kind")
        self.expect(heard, "No die kind chosen: pick one from the list.", "Roll with no kind")
        self.once("No die kind chosen", mark, "Roll with no kind")
        self.hear(["shift+Tab", "shift+Tab"], r"^DIE$", "back to the die kind")
        self.hear(["Down", "Down"], r"^Die 6$", "picking Die 6")
        heard = self.hear(["Tab"], r"selected\.$", "to the count")
        self.expect(heard, "0 selected.", "the count the first roll left")
        # A fourth character is refused, and said so.
        s.type_text("123")
        mark = s.mark()
        s.type_text("4")
        heard = self.wait(r"^at most three characters\.$", "a fourth character", mark)
        self.expect(heard, "at most three characters.", "a fourth character refused")
        self.once("at most three characters", mark, "the refusal")
        # A count that is no number rolls nothing, and says why.
        s.key("ctrl+a")
        s.type_text("abc")
        self.hear(["Tab"], r"^Roll push button", "to Roll")
        mark = s.mark()
        heard = self.hear(["space"], r"^No dice rolled", "Roll with no number")
        self.expect(heard, "No dice rolled: the number of rolls is not a number.",
                    "a count that is no number")
        self.once("No dice rolled", mark, "the count that is no number")
        self.hear(["shift+Tab"], r"selected\.$", "back to the count")
        s.type_text("3")
        self.hear(["Tab"], r"^Roll push button", "to Roll")
        mark = s.mark()
        heard = self.hear(["space"], r"six-sided dice", "Roll 3 six-sided dice")
        window = self.window("Muliple Dice Roller")
        total = caption(self.controls(window, "label")[-1])
        self.expect(heard, f"3 six-sided dice: total {total}.", "the multiple roller's total")
        self.once(f"total {total}", mark, "the multiple roller's total")
        self.expect_focus(window, "Roll", "the multiple roller")

    def stat_roller(self, main, dice):
        s = self.session
        self.hear(["space"], r"^Roll All push button", "the stat roller opens")
        stats = self.window("Character Stat Roller")
        mark = s.mark()
        heard = self.hear(["space"], r"^totals ", "the stat roller's Roll All")
        shown = self.labels(stats)
        totals = "totals " + ", ".join(shown[f"row {k} total"] for k in range(1, 7))
        self.expect(heard, totals + ".", "the six totals")
        self.once(totals, mark, "the six totals")
        # Each Re-Roll is known by its row.
        heard = self.hear(["Tab", "Tab"], r"^Re-Roll row 2 push button", "to row 2's Re-Roll")
        self.expect(heard, "Re-Roll row 2 push button.", "row 2's Re-Roll on focus")
        mark = s.mark()
        heard = self.hear(["space"], r"^row 2: ", "Re-Roll of row 2")
        shown = self.labels(stats)
        faces = ", ".join(shown[f"row 2, die {j}"] for j in range(1, 5))
        row = f"row 2: {faces}; total {shown['row 2 total']}"
        self.expect(heard, row + ".", "row 2's faces and total")
        self.once(row, mark, "row 2's Re-Roll")
        self.expect_focus(stats, "Re-Roll row 2", "Re-Roll")

        # Clicks on the d20 of the main window while the stat roller is active: first where
        # another control holds the main window's focus, so that the click moves it to the
        # die, heard with its result; then where the d20 holds it, the result told after the
        # die. Either way the result is heard once.
        for what, carrier in (("a click moving the focus to the d20", r" push button\.$"),
                              ("a click on the d20 with the focus", r"\.$")):
            x, y, w, h = self._extents(dice[5])
            mark = s.mark()
            s.click(x + w // 2, y + h // 2)
            heard = self.wait(r"^twenty-sided die: \d+" + carrier, what, mark)
            face = caption(dice[5])
            self.expect(heard and re.sub(carrier, "", heard), f"twenty-sided die: {face}", what)
            time.sleep(0.8)
            s.mark()
            said = [u for u in s.speech[mark:] if re.match(rf"twenty-sided die: {face}\b", u)]
            self.expect(len(said), 1, f"{what}: its result heard once in {s.speech[mark:]!r}")
            self.hear(["alt+Tab"], r"^Character Stat Roller frame|Re-Roll", "to the stat roller")

    def about(self):
        s = self.session
        mark = s.mark()
        heard = self.hear(["space"], r"^OK push button", "the About window opens")
        said = " ".join(s.speech[mark:]) if heard else ""
        wanted = (f"About Quandrel dialog Quandrel Version {os.environ['QUANDREL_VERSION']} "
                  "Designed and programmed by the Quandrel authors.")
        self.expect(wanted if wanted in said else said, wanted, "the About window")

    def _extents(self, node):
        e = node.queryComponent().getExtents(self.atspi.DESKTOP_COORDS)
        return e.x, e.y, e.width, e.height


# What each roll is heard as in a language besides English: the first die, the eight dice as
# Roll All names them, the controls walked to, and the spoken results with {} for the numbers.
PHRASES = {
    "de": dict(die="W4", kinds=["W4", "W6", "W8", "W10", "W12", "W20", "Zehnerwürfel", "W100"],
               roll_all="Alle würfeln", multi="Mehrere Würfel", die_kind="Würfelart", six="W6",
               count="Anzahl", roll="Würfeln", total="3 W6: Summe {}",
               stats="Attribute würfeln", reroll="Reihe 2 neu würfeln", face="Reihe 2, Würfel {}",
               row_total="Reihe 2, Summe", row="Reihe 2: {}; Summe {}"),
    "ru": dict(die="к4", kinds=["к4", "к6", "к8", "к10", "к12", "к20", "кубик десятков", "к100"],
               roll_all="Бросить все", multi="Несколько кубиков", die_kind="Вид кубика", six="к6",
               count="Кол-во", roll="Бросить", total="3 кубика к6: сумма {}",
               stats="Броски характеристик", reroll="Перебросить строку 2",
               face="строка 2, кубик {}", row_total="строка 2, сумма", row="строка 2: {}; сумма {}"),
}


class LanguageListener(Listener):
    """The program and Orca's voice in another language: every kind of roll spoken once, in
    that language's words, with the numbers the window shows."""

    def __init__(self, session, pyatspi, pid, language):
        super().__init__(session, pyatspi, pid)
        self.language = language
        self.say = PHRASES[language]

    def run(self):
        s, say = self.session, self.say
        starts = lambda text: "^" + re.escape(text)
        s.wait_for_speech(f"{say['die']}: 4", 30)
        self.voice_is(self.language)
        main = self.window("Quandrel")
        dice = self.controls(main, "push button")[:8]
        mark = s.mark()
        heard = self.hear(["space"], starts(say["die"]) + r": \d+\.$", "a die")
        self.expect(heard, f"{say['die']}: {caption(dice[0])}.", "a die's face")
        self.once(f"{say['die']}: {caption(dice[0])}", mark, "the die's face")

        self.hear(["Tab"] * 8, starts(say["roll_all"]), "to Roll All")
        mark = s.mark()
        heard = self.hear(["space"], starts(say["die"]) + r": \d+, ", "Roll All")
        shown = ", ".join(f"{k}: {caption(d)}" for k, d in zip(say["kinds"], dice))
        self.expect(heard, shown + ".", "Roll All's faces")
        self.once(shown, mark, "Roll All")

        self.hear(["Tab", "Tab"], starts(say["multi"]), "to the multiple roller")
        self.hear(["space"], starts(say["die_kind"]), "the multiple roller opens")
        self.hear(["Down", "Down"], starts(say["six"]) + "$", "picking the six-sided die")
        self.hear(["Tab"], re.escape(say["count"]), "to the count")
        s.type_text("3")
        self.hear(["Tab"], starts(say["roll"]), "to Roll")
        mark = s.mark()
        heard = self.hear(["space"], starts(say["total"].format("")), "three six-sided dice")
        total = caption(self.controls(self.window(say["multi"]), "label")[-1])
        self.expect(heard, say["total"].format(total) + ".", "the multiple roller's total")
        self.once(say["total"].format(total), mark, "the multiple roller's total")

        self.hear(["alt+F4"], starts(say["multi"]), "closing the multiple roller")
        self.hear(["shift+Tab"], starts(say["stats"]), "to the stat roller")
        self.hear(["space"], starts(say["roll_all"]), "the stat roller opens")
        stats = self.window(say["stats"])
        self.hear(["Tab", "Tab"], starts(say["reroll"]), "to row 2's Re-Roll")
        mark = s.mark()
        heard = self.hear(["space"], starts(say["row"].split("{}")[0]), "row 2's Re-Roll")
        shown = self.labels(stats)
        faces = ", ".join(shown[say["face"].format(j)] for j in range(1, 5))
        row = say["row"].format(faces, shown[say["row_total"]])
        self.expect(heard, row + ".", "row 2's faces and total")
        self.once(row, mark, "row 2's Re-Roll")

    def voice_is(self, language):
        """Orca asked speech-dispatcher, and so espeak-ng, for a voice in `language`."""
        with open(self.session.log_path, errors="replace") as log:
            languages = re.findall(r"SD rate .*? language (\S+)", log.read())
        self.expect(languages[-1:] or languages, [language], "the voice's language")


if __name__ == "__main__":
    sys.exit(main())
