# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
"""What a user sees and does, one scenario per fresh run of the program."""

import os
import time

from harness import Program, at, caption, check, expect, wait_for
from reference import Draws

# The version the program is built as, which the build gives every test.
VERSION = os.environ["QUANDREL_VERSION"]

MAIN, STATS, MULTI, ABOUT = "Quandrel", "Character Stat Roller", "Muliple Dice Roller", "About Quandrel"
DICE = ["4", "6", "8", "10", "12", "20", "%", "100"]
DIE_LEFT = [120, 1320, 2520, 3720, 4920, 6120, 7320, 8520]
FIRST_ROLL_ALL = ["4", "1", "8", "9", "2", "20", "90", "23"]

ALL = []


def scenario(body, name=None, language="en"):
    """Registers `body`, which drives one fresh run of the program."""
    def run(session, program):
        with Program(session, program, language) as p:
            body(p)
    ALL.append((name or body.__name__, run))
    return body


def captions(nodes):
    return [caption(n) for n in nodes]


def die_buttons(p, frame):
    return p.all(frame, "push button")[:8]


# --- main window -----------------------------------------------------------------------
@scenario
def main_window_layout(p):
    frame = p.frame(MAIN)
    check(p.extents(frame)[2:] == (675, 193), f"main client area {p.extents(frame)[2:]}")
    dice = die_buttons(p, frame)
    check(captions(dice) == DICE, f"die captions {captions(dice)}")
    for button, left in zip(dice, DIE_LEFT):
        at(p, frame, button, (left, 120, 1455 if left == 8520 else 1095, 1695), f"die {caption(button)}")
    for name, rect in [("Roll All", (120, 1920, 9855, 375)),
                       ("Character Stat Roller", (120, 2400, 3615, 375)),
                       ("About", (3840, 2400, 2415, 375)),
                       ("Multiple Dice Roller", (6360, 2400, 3615, 375))]:
        at(p, frame, p.find(frame, "push button", name), rect, name)
    p.activate(MAIN)
    wait_for(lambda: p.focused(dice[0]), what="focus on the four-sided die")
    check(dice[6].name == "percentile tens die: %", f"percentile named {dice[6].name!r}")


def fresh_clicks(session, program):
    with Program(session, program) as p:
        frame = p.frame(MAIN)
        dice = die_buttons(p, frame)
        p.press(p.find(frame, "push button", "Roll All"))
        wait_for(lambda: caption(dice[0]) != "4" or caption(dice[7]) != "100", what="Roll All")
        first = captions(dice)
        for i in (3, 3, 6, 7):
            p.press(dice[i])
        time.sleep(0.3)
        return first, captions(dice)


def fresh_runs_repeat(session, program):
    first_a, after_a = fresh_clicks(session, program)
    check(first_a == FIRST_ROLL_ALL, f"first Roll All {first_a}")
    first_b, after_b = fresh_clicks(session, program)
    check((first_a, after_a) == (first_b, after_b), f"runs differ: {after_a} vs {after_b}")
    # Draws 9 to 12: 0.632 (d10 single: 6), 0.308 (d10: 3), 0.0975 (tens: "00"), 0.547 (d100: 55)
    check(after_a == ["4", "1", "8", "3", "2", "20", "00", "55"], f"single rolls {after_a}")


ALL.append(("fresh_runs_repeat", fresh_runs_repeat))


@scenario
def windows_open_once_and_program_ends_last(p):
    frame = p.frame(MAIN)
    for button, title in [("Character Stat Roller", STATS), ("Multiple Dice Roller", MULTI),
                          ("About", ABOUT)]:
        p.open(frame, button, title)
        p.press(p.find(frame, "push button", button))
        time.sleep(0.3)
        check(len(p.frames(title)) == 1, f"{title}: {len(p.frames(title))} windows")
    # Closing the main window leaves the program running with the others.
    p.closed(MAIN)
    time.sleep(0.3)
    check(p.running(), "program ended with the main window")
    for title in [STATS, MULTI]:
        p.closed(title)
        check(p.running(), f"program ended while About was open (closed {title})")
    p.request_close(ABOUT)
    wait_for(lambda: not p.running(), 10, "the program to end with its last window")


# --- character stat roller -------------------------------------------------------------
def stat_rows(p, frame):
    labels = p.all(frame, "label")
    return [labels[4 * k:4 * k + 4] for k in range(6)], labels[24:30]


def placeholders_shown(p, frame):
    faces, totals = stat_rows(p, frame)
    return all(captions(row) == ["1", "2", "3", "4"] for row in faces) and captions(totals) == ["18"] * 6


def expect_row(faces, total, ref, what):
    """Waits for a stat row to show the next four draws as six-sided dice and the sum of
    the three highest as its total, and returns the faces."""
    want = [str(ref.face(6)) for _ in range(4)]
    expect(lambda: captions(faces), want, f"{what} faces")
    expect(lambda: caption(total), str(sum(sorted(int(v) for v in want)[1:])), f"{what} total")
    return want


@scenario
def statroller(p):
    main = p.frame(MAIN)
    p.press(p.find(main, "push button", "Roll All"))        # draws 1-8
    frame = p.open(main, "Character Stat Roller", STATS)
    check(p.extents(frame)[2:] == (442, 372), f"stat roller client area {p.extents(frame)[2:]}")
    faces, totals = stat_rows(p, frame)
    for k in range(6):
        for j in range(4):
            at(p, frame, faces[k][j], (360 + 720 * j, 360 + 840 * k, 495, 255), f"R{k + 1}({j})")
        at(p, frame, totals[k], (3360, 360 + 840 * k, 1335, 255), f"T({k})")
    rerolls = [b for b in p.all(frame, "push button") if b.name.startswith("Re-Roll")]
    check([b.name for b in rerolls] == [f"Re-Roll row {k}" for k in range(1, 7)],
          f"Re-Roll buttons {[b.name for b in rerolls]}")
    for k, button in enumerate(rerolls):
        at(p, frame, button, (4920, 240 + 840 * k, 1455, 495), f"RRol({k})")
    roll_all = p.find(frame, "push button", "Roll All")
    at(p, frame, roll_all, (120, 5160, 6375, 300), "Roll All")
    check(placeholders_shown(p, frame), "placeholders on opening")
    p.activate(STATS)
    wait_for(lambda: p.focused(roll_all), what="focus on Roll All")

    # The shared sequence: after the main window's eight draws, row 3 takes 9-12.
    ref = Draws()
    ref.skip(8)
    p.press(rerolls[2])
    expect_row(faces[2], totals[2], ref, "row 3")
    for k in (1, 2, 4, 5, 6):
        check(captions(faces[k - 1]) == ["1", "2", "3", "4"] and caption(totals[k - 1]) == "18",
              f"row {k} changed")
    # A die on the main window takes the next draw, 13.
    p.press(die_buttons(p, main)[7])
    expect(lambda: caption(die_buttons(p, main)[7]), str(ref.face(100)), "d100 after the stat row")
    # Roll All: 24 draws, row by row.
    p.press(roll_all)
    for k in range(6):
        expect_row(faces[k], totals[k], ref, f"Roll All row {k + 1}")

    # Closing discards what it showed; the next opening shows the placeholders.
    p.closed(STATS)
    frame = p.open(main, "Character Stat Roller", STATS)
    check(placeholders_shown(p, frame), "placeholders after reopening")


# --- multiple dice roller --------------------------------------------------------------
def multi_controls(p, frame, count="Number of rolls", roll="Roll"):
    return (p.find(frame, "combo box"), p.find(frame, "text", count),
            p.all(frame, "label")[-1], p.find(frame, "push button", roll))


def set_count(p, box, text):
    """Clicks into the count box, selects all and types, as a user would."""
    x, y, w, h = p.extents(box)
    p.click(x + w // 2, y + h // 2)
    p.key("ctrl+a")
    if text:
        p.type(text)
    else:
        p.key("BackSpace")


def pick_kind(p, combo, position):
    """Picks a die kind with the arrow keys, from the top of the list."""
    x, y, w, h = p.extents(combo)
    p.click(x + w // 3, y + h // 2)
    p.key("ctrl+a", "BackSpace")          # typing drops any selection
    p.key(*(["Down"] * (position + 1)))


@scenario
def multiroller(p):
    main = p.frame(MAIN)
    frame = p.open(main, "Multiple Dice Roller", MULTI)
    check(p.extents(frame)[2:] == (172, 114), f"multiple roller client area {p.extents(frame)[2:]}")
    combo, count, total, roll = multi_controls(p, frame)
    for node, rect, what in [(combo, (120, 120, 1335, 315), "DieBox"),
                             (count, (1560, 120, 855, 375), "xRoll"),
                             (total, (120, 1080, 2295, 495), "total"),
                             (roll, (120, 600, 2295, 375), "Roll")]:
        at(p, frame, node, rect, what)
    check(p.text_of(count) == "# of Rolls", f"count text {p.text_of(count)!r}")
    check(caption(total) == "TOTAL", f"total {caption(total)!r}")
    check(combo.name == "DIE" or p.text_of(p.find(combo, "text")) == "DIE", "die box shows DIE")
    p.activate(MULTI)
    wait_for(lambda: p.focused(combo) or p.focused(p.find(combo, "text")), what="focus in DieBox")

    ref = Draws()
    # First click: the placeholder becomes "0", nothing is rolled.
    p.press(roll)
    expect(lambda: p.text_of(count), "0", "count box after the first click")
    check(caption(total) == "TOTAL", "total after the first click")
    # "Die 6" with the count box at 0.
    pick_kind(p, combo, 1)
    p.press(roll)
    expect(lambda: caption(total), "0", "Die 6 with count 0")

    cases = [("2.9", 1, 6, 2), (" 3 ", 1, 6, 3), ("0", 1, 6, 0), ("-5", 2, 8, 0),
             (".5", 0, 4, 0), ("-.5", 0, 4, 0), ("1e2", 6, 100, 100), ("+2", 5, 20, 2),
             ("", 1, 6, 0), ("abc", 1, 6, 0), ("0x1", 1, 6, 0), ("1,5", 1, 6, 0),
             ("9e9", 4, 12, 0), ("999", 6, 100, 999), ("999", 5, 20, 999), ("1", 3, 10, 1)]
    for text, position, sides, dice in cases:
        pick_kind(p, combo, position)
        set_count(p, count, text)
        check(p.text_of(count) == text, f"count box shows {p.text_of(count)!r}, typed {text!r}")
        p.press(roll)
        roll_face = ref.zero_based if sides == 10 else ref.face
        want = sum(roll_face(sides) for _ in range(dice))
        expect(lambda: caption(total), str(want), f"{dice} x d{sides} from {text!r}")
        if sides == 10:
            check(0 <= int(caption(total)) <= 9, "Die 10 above 9")
    # The shared sequence runs on in the main window.
    p.press(die_buttons(p, main)[1])
    expect(lambda: caption(die_buttons(p, main)[1]), str(ref.face(6)), "main d6 after the requests")

    # Typing is held to three characters.
    set_count(p, count, "12345")
    check(p.text_of(count) == "123", f"typed 12345, shows {p.text_of(count)!r}")
    # So are edits through AT-SPI, each one step of undo.
    edit = count.queryEditableText()
    for call, want in [(lambda: edit.setTextContents("32767"), "327"),
                       (lambda: edit.deleteText(0, 2), "7"),
                       (lambda: edit.insertText(0, "123456789", 9), "127")]:
        call()
        expect(lambda: p.text_of(count), want, "count box after an edit through AT-SPI")
    p.key("ctrl+z")
    expect(lambda: p.text_of(count), "7", "undo of an insertion through AT-SPI")

    # Typing into the die box drops the selection: Roll then rolls nothing.
    before = caption(total)
    x, y, w, h = p.extents(combo)
    p.click(x + w // 3, y + h // 2)
    p.key("End")
    p.type("x")
    p.press(roll)
    check(caption(total) == before, "roll after typing into the die box")

    # A fresh window after reopening.
    p.closed(MULTI)
    combo, count, total, roll = multi_controls(p, p.open(main, "Multiple Dice Roller", MULTI))
    check(p.text_of(count) == "# of Rolls" and caption(total) == "TOTAL", "fresh texts after reopening")
    items = p.all(combo, "list item")
    check(len(items) == 7, f"{len(items)} entries after reopening")


# --- the keyboard, the mouse and the clipboard ------------------------------------------
GRIN = "\U0001F600"


def whole_characters(text):
    return "\ufffd" not in text and not any(0xD800 <= ord(c) <= 0xDFFF for c in text)


@scenario
def typing_and_keys(p):
    ref = Draws()
    main = p.frame(MAIN)
    dice = die_buttons(p, main)
    # Enter and keypad Enter press the focused die button (the four-sided die).
    p.activate(MAIN)
    wait_for(lambda: p.focused(dice[0]), what="focus on the four-sided die")
    for key in ("Return", "KP_Enter"):
        p.key(key)
        expect(lambda: caption(dice[0]), str(ref.face(4)), f"d4 after {key}")

    # Every face label and total says which row and which die it is.
    faces, totals = stat_rows(p, p.open(main, "Character Stat Roller", STATS))
    for k in range(1, 7):
        for j in range(4):
            want = f"row {k}, die {j + 1}: {j + 1}"
            check(faces[k - 1][j].name == want, f"face {k},{j}: {faces[k - 1][j].name!r}")
        check(totals[k - 1].name == f"row {k} total: 18", f"total {k}: {totals[k - 1].name!r}")

    combo, count, total, roll = multi_controls(p, p.open(main, "Multiple Dice Roller", MULTI))
    pick_kind(p, combo, 1)
    # A click into the count box selects its first text, so typing replaces it.
    x, y, w, h = p.extents(count)
    p.click(x + w - 4, y + h // 2)
    p.type("7")
    expect(lambda: p.text_of(count), "7", "count box after a click and 7")
    p.press(roll)
    expect(lambda: caption(total), str(sum(ref.face(6) for _ in range(7))), "7 x d6")

    # Emoji typed and pasted stay whole; the limit counts them as one character each.
    set_count(p, count, "12" + GRIN + GRIN)
    expect(lambda: p.text_of(count), "12" + GRIN, "typed emoji")
    set_count(p, count, "9")
    p.set_clipboard(GRIN * 3)
    p.key("ctrl+v")
    expect(lambda: p.text_of(count), "9" + GRIN * 2, "pasted emoji")
    check(whole_characters(p.text_of(count)), f"broken text {p.text_of(count)!r}")
    # Undo takes back the paste the limit cut, redo puts it back.
    p.key("ctrl+z")
    expect(lambda: p.text_of(count), "9", "undo of the cut paste")
    p.key("ctrl+y")
    expect(lambda: p.text_of(count), "9" + GRIN * 2, "redo of the cut paste")

    # A cell copied from a spreadsheet ends in a line end.
    p.set_clipboard("12\n")
    p.key("ctrl+a", "ctrl+v")
    p.press(roll)
    expect(lambda: caption(total), str(sum(ref.face(6) for _ in range(12))), "12 x d6 pasted")


# --- About window ----------------------------------------------------------------------
@scenario
def about(p):
    main = p.frame(MAIN)
    for closing in ("Return", "Escape", "OK", "close box"):
        frame = p.open(main, "About", ABOUT)
        check(p.extents(frame) == (156, 129, 382, 150), f"About at {p.extents(frame)}")
        labels = [l.name for l in p.all(frame, "label")]
        check("Quandrel" in labels and f"Quandrel Version {VERSION}" in labels,
              f"About shows its title and version: {labels}")
        ok_button = p.find(frame, "push button", "OK")
        at(p, frame, ok_button, (4320, 1800, 1260, 345), "OK")
        hints = p.xwindow(ABOUT).get_wm_normal_hints()
        check((hints.min_width, hints.min_height, hints.max_width, hints.max_height) == (382, 150, 382, 150),
              f"size hints {hints.min_width}x{hints.min_height} .. {hints.max_width}x{hints.max_height}")
        p.activate(ABOUT)
        wait_for(lambda: p.focused(ok_button), what="focus on OK")
        if closing == "OK":
            p.press(ok_button)
        elif closing == "close box":
            p.request_close(ABOUT)
        else:
            p.key(closing)
        p.gone(ABOUT)
    # With only the About window open, closing the main window leaves the program
    # running; closing the About window ends it.
    p.open(main, "About", ABOUT)
    p.closed(MAIN)
    time.sleep(0.5)
    check(p.running(), "program ended while the About window was open")
    p.activate(ABOUT)
    p.key("Escape")
    wait_for(lambda: not p.running(), 10, "the program to end with the About window")


# --- in other languages -----------------------------------------------------------------
# Each language's words for what the walk finds and reads; {} stands for a number. The About
# button says its window's title.
LANGUAGES = {
    "de": dict(dice=["W4: 4", "W6: 6"], roll_all="Alle würfeln", stats="Attribute würfeln",
               about="Über Quandrel", multi="Mehrere Würfel", reroll="Reihe 3 neu würfeln",
               face="Reihe 3, Würfel 1: {}", count="Anzahl", count_name="Anzahl der Würfe",
               total="SUMME", die="WÜRFEL", kinds=["W4", "W6", "W8", "W10", "W12", "W20", "W100"],
               roll="Würfeln", version=f"Quandrel Version {VERSION}",
               credit="Entwickelt von den Quandrel-Autoren", ok="OK"),
    "ru": dict(dice=["к4: 4", "к6: 6"], roll_all="Бросить все", stats="Броски характеристик",
               about="О программе Quandrel", multi="Несколько кубиков",
               reroll="Перебросить строку 3",
               face="строка 3, кубик 1: {}", count="Кол-во", count_name="Количество бросков",
               total="СУММА", die="КУБИК", kinds=["к4", "к6", "к8", "к10", "к12", "к20", "к100"],
               roll="Бросить", version=f"Quandrel Версия {VERSION}",
               credit="Разработано авторами Quandrel", ok="ОК"),
}


def in_language(language):
    """The same clicks as in English give the same numbers, under the language's captions."""
    say = LANGUAGES[language]

    def body(p):
        main = p.frame(MAIN)
        dice = die_buttons(p, main)
        check([b.name for b in dice[:2]] == say["dice"], f"die names {[b.name for b in dice]}")
        for caption_ in (say["stats"], say["about"], say["multi"]):
            p.find(main, "push button", caption_)
        p.press(p.find(main, "push button", say["roll_all"]))
        expect(lambda: captions(dice), FIRST_ROLL_ALL, "the first Roll All")

        ref = Draws()
        ref.skip(8)
        stats = p.open(main, say["stats"], say["stats"])
        check(p.find(stats, "push button", say["roll_all"]) is not None, "the stat roller's Roll All")
        p.press(p.find(stats, "push button", say["reroll"]))
        faces, totals = stat_rows(p, stats)
        want = expect_row(faces[2], totals[2], ref, "row 3")
        check(faces[2][0].name == say["face"].format(want[0]), f"a face named {faces[2][0].name!r}")
        p.closed(say["stats"])

        combo, count, total, roll = multi_controls(p, p.open(main, say["multi"], say["multi"]),
                                                   say["count_name"], say["roll"])
        check(p.text_of(count) == say["count"] and caption(total) == say["total"], "the starting texts")
        check(p.text_of(p.find(combo, "text")) == say["die"], "the die box's text")
        entries = [c.name for c in p.all(combo, "list item")]
        check(entries == say["kinds"], f"die kinds {entries}")
        pick_kind(p, combo, 1)
        p.press(roll)
        expect(lambda: (p.text_of(count), caption(total)), ("0", "0"), "the starting text counts none")
        set_count(p, count, "3")
        p.press(roll)
        expect(lambda: caption(total), str(sum(ref.face(6) for _ in range(3))), "three six-sided dice")
        p.closed(say["multi"])

        about = p.open(main, say["about"], say["about"])
        labels = [l.name for l in p.all(about, "label")]
        check(say["version"] in labels and say["credit"] in labels,
              f"the About window shows {labels}")
        p.press(p.find(about, "push button", say["ok"]))
        p.gone(say["about"])

    scenario(body, f"in_{language}", language)


for _language in LANGUAGES:
    in_language(_language)
