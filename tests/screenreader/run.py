#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
"""The real program heard through the real screen reader, in an X display and a D-Bus
session bus of its own:
    xvfb-run -a dbus-run-session -- /usr/bin/python3 run.py PATH_TO_QUANDREL
        [--no-descriptions | --language=de | --language=ru]

Orca runs headless beside the program, with its default settings or with descriptions not
spoken, or in another language. A blind player's walk through every window, by keyboard and once by mouse: each
control must be heard by what it is, every roll and refusal exactly once, naming the faces
and totals the window then shows (read through the accessibility interface), without the
keyboard focus moving."""

import contextlib
import os
import re
import sys
import time

from orca_session import OrcaSession  # which puts the black-box harness on the path
from harness import Failure, Program, caption, key, type_text, wait_for


def main():
    program = os.path.abspath(sys.argv[1])
    descriptions = "--no-descriptions" not in sys.argv[2:]
    language = next((a.split("=", 1)[1] for a in sys.argv[2:] if a.startswith("--language=")),
                    "en")
    started = time.monotonic()
    with OrcaSession(settings={"speakDescription": descriptions}, language=language) as session:
        listener = (Listener if language == "en" else LanguageListener)(
            session, Program(session, program, language), language)
        listener.run()
        print("everything Orca said:", *(f"  {said!r}" for said in session.speech), sep="\n")
    which = f"in {language}" if language != "en" else \
        "with descriptions" if descriptions else "without descriptions"
    print(f"screenreader ({which}): {listener.passed} passed, {len(listener.failures)} failed "
          f"({time.monotonic() - started:.1f} s)")
    for failure in listener.failures:
        print("FAIL  ", failure)
    return 1 if listener.failures or not listener.passed else 0


class Listener:
    """Presses keys as a blind player would and checks what Orca says back."""

    def __init__(self, session, program, language):
        self.session, self.program, self.language = session, program, language
        self.passed = 0
        self.failures = []

    def hear(self, keys, pattern, what, wanted=None, timeout=10):
        """Presses `keys`, then as wait()."""
        mark = self.session.mark()
        key(*keys)
        return self.wait(pattern, what, mark, wanted, timeout)

    def wait(self, pattern, what, mark, wanted=None, timeout=10):
        """Waits for speech since `mark` matching `pattern` and returns it, None when Orca
        said nothing of the kind; where `wanted` is given, counts a check that it was that."""
        try:
            heard = self.session.wait_for_speech(pattern, timeout, since=mark)[-1]
        except Failure as error:
            self.failures.append(f"{what}: {error}")
            return None
        print(f"heard  {what}: {heard!r}", flush=True)
        if wanted is not None:
            self.expect(heard, wanted, what)
        return heard

    def expect(self, heard, wanted, what):
        """Counts a check: Orca said `wanted` (a full utterance, with Orca's full stop)."""
        if heard is None:
            return
        if heard == wanted:
            self.passed += 1
        else:
            self.failures.append(f"{what}: heard {heard!r}, the window shows {wanted!r}")

    def told(self, keys, pattern, wanted, what, part=lambda said: said):
        """Presses `keys` and counts two checks: Orca said `wanted` (or what it returns, where
        it is a function that reads the window once Orca has spoken) with Orca's full stop,
        and said part(wanted) in exactly one utterance."""
        mark = self.session.mark()
        heard = self.hear(keys, pattern, what)
        wanted = wanted() if callable(wanted) else wanted
        self.expect(heard, wanted + ".", what)
        self.once(re.escape(part(wanted)), mark, what)

    def hear_each(self, keys, pattern, wanted, what, delay_ms):
        """Presses `keys` `delay_ms` apart and counts a check: what Orca said that matches
        `pattern`, within a moment after the last of `wanted`, is `wanted`."""
        mark = self.session.mark()
        key(*keys, delay_ms=delay_ms)
        heard = lambda: [s for s in self.session.since(mark) if re.search(pattern, s)]
        with contextlib.suppress(Failure):
            wait_for(lambda: len(heard()) >= len(wanted), 10)
        time.sleep(0.8)
        print(f"heard  {what}: {heard()!r}", flush=True)
        self.expect(heard(), wanted, what)

    def once(self, pattern, mark, what):
        """Counts a check: of what Orca said since `mark`, within a moment more, exactly one
        utterance matches `pattern`."""
        time.sleep(0.8)
        said = self.session.since(mark)
        self.expect(len([s for s in said if re.search(pattern, s)]), 1,
                    f"{what}: heard once in {said!r}")

    # --- the program's windows, read through the accessibility interface -------------------
    def focused(self, window):
        p = self.program
        return [c.name for c in p.all(window, "push button") if p.focused(c)]

    def expect_focus(self, window, name, what):
        self.expect(self.focused(window), [name], f"the focus after {what}")

    def labels(self, window):
        return {c.name.rsplit(": ", 1)[0]: caption(c) for c in self.program.all(window, "label")}

    def row(self, stats, face, total, row):
        """Row 2 of the stat roller as `row` says it, with the faces and total it shows; `face`
        and `total` are their labels' names."""
        shown = self.labels(stats)
        return row.format(", ".join(shown[face.format(j)] for j in range(1, 5)), shown[total])

    # --- the walk ------------------------------------------------------------------------
    def run(self):
        p = self.program
        self.session.wait_for_speech(r"four-sided die: 4 push button", 30)
        main = p.frame("Quandrel")
        dice = p.all(main, "push button")[:8]

        # Five rolls of a die by the keyboard, 70 ms apart: each heard, with the face it
        # rolled, in order, the repeated one too. A fresh run's source gives the d4 these.
        faces = [4, 1, 4, 4, 1]
        self.hear_each(["space", "Return"] * 2 + ["space"], r"^four-sided die: \d+\.$",
                       [f"four-sided die: {face}." for face in faces], "five fast rolls", 70)
        self.expect_focus(main, f"four-sided die: {faces[-1]}", "a die")
        # A die is known by its kind and what it shows.
        self.hear(["Tab"], r"^six-sided die: 6 push button", "the six-sided die on focus",
                  "six-sided die: 6 push button.")

        self.hear(["Tab"] * 7, r"^Roll All push button", "to Roll All")
        kinds = ["d4", "d6", "d8", "d10", "d12", "d20", "percentile", "d100"]
        self.told(["space"], r"^d4: ",
                  lambda: ", ".join(f"{k}: {caption(d)}" for k, d in zip(kinds, dice)), "Roll All")
        self.expect_focus(main, "Roll All", "Roll All")

        self.hear(["Tab", "Tab"], r"^Multiple Dice Roller push button", "to the multiple roller")
        self.multiple_roller()
        self.hear(["alt+F4"], r"^Multiple Dice Roller push button", "closing the multiple roller")
        self.hear(["shift+Tab"], r"^Character Stat Roller push button", "to the stat roller")
        self.stat_roller(dice)
        # The clicked die keeps the main window's focus.
        self.hear(["alt+F4"], r"^twenty-sided die: \d+ push button", "closing the stat roller")
        self.hear(["Tab"] * 6, r"^About push button", "to About")
        self.about()

    def multiple_roller(self):
        p = self.program
        mark = self.session.mark()
        self.hear(["space"], r"^Die kind editable combo box", "the die-kind box's name",
                  "Die kind editable combo box.")
        self.wait(r"^DIE\.$", "the die-kind box's entry", mark, "DIE.", 5)
        # The count box says what it shows, whole.
        self.hear(["Tab"], r"selected\.$", "the count box's text", "# of Rolls selected.")
        self.hear(["Tab"], r"^Roll push button", "to Roll")
        before_colon = lambda said: said.split(":")[0]
        self.told(["space"], r"die kind", "No die kind chosen: pick one from the list",
                  "Roll with no kind", before_colon)
        self.hear(["shift+Tab", "shift+Tab"], r"^DIE$", "back to the die kind")
        self.hear(["Down", "Down"], r"^Die 6$", "picking Die 6")
        self.hear(["Tab"], r"selected\.$", "the count the first roll left", "0 selected.")
        # A fourth character is refused, and said so.
        type_text("123")
        self.told(["4"], r"^at most three characters\.$", "at most three characters",
                  "a fourth character refused")
        # A count that is no number rolls nothing, and says why.
        key("ctrl+a")
        type_text("abc")
        self.hear(["Tab"], r"^Roll push button", "to Roll")
        self.told(["space"], r"^No dice rolled", "No dice rolled: the number of rolls is not a number",
                  "a count that is no number", before_colon)
        self.hear(["shift+Tab"], r"selected\.$", "back to the count")
        type_text("3")
        self.hear(["Tab"], r"^Roll push button", "to Roll")
        window = p.frame("Muliple Dice Roller")
        self.told(["space"], r"six-sided dice",
                  lambda: f"3 six-sided dice: total {caption(p.all(window, 'label')[-1])}",
                  "the multiple roller's total", lambda said: said.split(": ")[1])
        self.expect_focus(window, "Roll", "the multiple roller")

    def stat_roller(self, dice):
        s, p = self.session, self.program
        self.hear(["space"], r"^Roll All push button", "the stat roller opens")
        stats = p.frame("Character Stat Roller")
        self.told(["space"], r"^totals ", lambda: "totals " + ", ".join(
            map(self.labels(stats).get, [f"row {k} total" for k in range(1, 7)])), "the six totals")
        # Each Re-Roll is known by its row.
        self.hear(["Tab", "Tab"], r"^Re-Roll row 2 push button", "row 2's Re-Roll on focus",
                  "Re-Roll row 2 push button.")
        self.told(["space"], r"^row 2: ",
                  lambda: self.row(stats, "row 2, die {}", "row 2 total", "row 2: {}; total {}"),
                  "row 2's faces and total")
        self.expect_focus(stats, "Re-Roll row 2", "Re-Roll")

        # Clicks on the d20 of the main window while the stat roller is active: first where
        # another control holds the main window's focus, so that the click moves it to the
        # die, heard with its result; then where the d20 holds it, by an ordinary short
        # click and by one held until Orca has read the die, which speaks it with the face
        # it showed and tells the result after it. Each time the result is heard once, last.
        for what, carrier, click in (
                ("a click moving the focus to the d20", r" push button\.$", s.click),
                ("a short click on the d20 with the focus", r"( push button)?\.$", p.click),
                ("a held click on the d20 with the focus", r"\.$", s.click)):
            x, y, w, h = p.extents(dice[5])
            mark = s.mark()
            click(x + w // 2, y + h // 2)
            self.wait(r"^twenty-sided die: \d+" + carrier, what, mark)
            time.sleep(0.8)  # for the rest of what Orca says of it, before the die is read
            face = caption(dice[5])
            self.once(rf"^twenty-sided die: {face}\b", mark, f"{what}: its result")
            heard = [said for said in s.since(mark) if re.search(r"^twenty-sided die: ", said)]
            self.expect(heard and re.sub(carrier, "", heard[-1]), f"twenty-sided die: {face}", what)
            self.hear(["alt+Tab"], r"^Character Stat Roller frame|Re-Roll", "to the stat roller")

    def about(self):
        s = self.session
        mark = s.mark()
        heard = self.hear(["space"], r"^OK push button", "the About window opens")
        said = " ".join(s.speech[mark:]) if heard else ""
        wanted = (f"About Quandrel dialog Quandrel Version {os.environ['QUANDREL_VERSION']} "
                  "Designed and programmed by the Quandrel authors.")
        self.expect(wanted if wanted in said else said, wanted, "the About window")


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

    def run(self):
        p, say = self.program, PHRASES[self.language]
        starts = lambda text: "^" + re.escape(text)
        self.session.wait_for_speech(f"{say['die']}: 4", 30)
        self.voice_is(self.language)
        main = p.frame("Quandrel")
        dice = p.all(main, "push button")[:8]
        self.told(["space"], starts(say["die"]) + r": \d+\.$",
                  lambda: f"{say['die']}: {caption(dice[0])}", "a die's face")

        self.hear(["Tab"] * 8, starts(say["roll_all"]), "to Roll All")
        self.told(["space"], starts(say["die"]) + r": \d+, ",
                  lambda: ", ".join(f"{k}: {caption(d)}" for k, d in zip(say["kinds"], dice)),
                  "Roll All")

        self.hear(["Tab", "Tab"], starts(say["multi"]), "to the multiple roller")
        self.hear(["space"], starts(say["die_kind"]), "the multiple roller opens")
        self.hear(["Down", "Down"], starts(say["six"]) + "$", "picking the six-sided die")
        self.hear(["Tab"], re.escape(say["count"]), "to the count")
        type_text("3")
        self.hear(["Tab"], starts(say["roll"]), "to Roll")
        multi = p.frame(say["multi"])
        self.told(["space"], starts(say["total"].format("")),
                  lambda: say["total"].format(caption(p.all(multi, "label")[-1])),
                  "the multiple roller's total")

        self.hear(["alt+F4"], starts(say["multi"]), "closing the multiple roller")
        self.hear(["shift+Tab"], starts(say["stats"]), "to the stat roller")
        self.hear(["space"], starts(say["roll_all"]), "the stat roller opens")
        stats = p.frame(say["stats"])
        self.hear(["Tab", "Tab"], starts(say["reroll"]), "to row 2's Re-Roll")
        self.told(["space"], starts(say["row"].split("{}")[0]),
                  lambda: self.row(stats, say["face"], say["row_total"], say["row"]),
                  "row 2's Re-Roll")

    def voice_is(self, language):
        """Orca asked speech-dispatcher, and so espeak-ng, for a voice in `language`."""
        with open(self.session.log_path, errors="replace") as log:
            languages = re.findall(r"SD rate .*? language (\S+)", log.read())
        self.expect(languages[-1:] or languages, [language], "the voice's language")


if __name__ == "__main__":
    sys.exit(main())
