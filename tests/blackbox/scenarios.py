"""What a user sees and does, one scenario per fresh run of the program."""

from harness import Failure, check, near, wait_for

MAIN = "Quandrel"
DICE = ["4", "6", "8", "10", "12", "20", "%", "100"]
DIE_LEFT = [120, 1320, 2520, 3720, 4920, 6120, 7320, 8520]

ALL = []


def scenario(fn):
    ALL.append((fn.__name__, fn))
    return fn


def run(session, program, body):
    p = session.start(program)
    try:
        return body(p)
    finally:
        p.stop()


def die_buttons(p, frame):
    return [b for b in p.all(frame, "push button")][:8]


# --- main window -----------------------------------------------------------------------
@scenario
def main_window_layout(session, program):
    def body(p):
        frame = p.frame(MAIN)
        x, y, w, h = p.extents(frame)
        check((w, h) == (675, 193), f"main client area {w}x{h}")
        dice = die_buttons(p, frame)
        check([b.name for b in dice] == DICE, f"die captions {[b.name for b in dice]}")
        for button, left in zip(dice, DIE_LEFT):
            ok, expected = near(p.relative(frame, button), (left, 120, 1455 if left == 8520 else 1095, 1695))
            check(ok, f"die {button.name} at {p.relative(frame, button)}, expected {expected}")
        for name, rect in [("Roll All", (120, 1920, 9855, 375)),
                           ("Character Stat Roller", (120, 2400, 3615, 375)),
                           ("About", (3840, 2400, 2415, 375)),
                           ("Multiple Dice Roller", (6360, 2400, 3615, 375))]:
            button = p.find(frame, "push button", name)
            ok, expected = near(p.relative(frame, button), rect)
            check(ok, f"{name} at {p.relative(frame, button)}, expected {expected}")
        p.activate(MAIN)
        wait_for(lambda: p.focused(dice[0]), what="focus on the four-sided die")
        check(dice[6].description == "percentile tens die", "percentile description")
    run(session, program, body)


def fresh_clicks(session, program):
    def body(p):
        frame = p.frame(MAIN)
        dice = die_buttons(p, frame)
        p.press(p.find(frame, "push button", "Roll All"))
        wait_for(lambda: dice[0].name != "4" or dice[7].name != "100", what="Roll All")
        first = [b.name for b in dice]
        for i in (3, 3, 6, 7):
            p.press(dice[i])
        time.sleep(0.3)
        return first, [b.name for b in dice]
    return run(session, program, body)


@scenario
def fresh_runs_repeat(session, program):
    first_a, after_a = fresh_clicks(session, program)
    check(first_a == ["4", "1", "8", "9", "2", "20", "90", "23"], f"first Roll All {first_a}")
    first_b, after_b = fresh_clicks(session, program)
    check((first_a, after_a) == (first_b, after_b), f"runs differ: {after_a} vs {after_b}")
    # Draws 9 to 12: 0.632 (d10 single: 6), 0.308 (d10: 3), 0.0975 (tens: "00"), 0.547 (d100: 55)
    check(after_a == ["4", "1", "8", "3", "2", "20", "00", "55"], f"single rolls {after_a}")


@scenario
def windows_open_once_and_program_ends_last(session, program):
    def body(p):
        frame = p.frame(MAIN)
        for button, title in [("Character Stat Roller", "Character Stat Roller"),
                              ("Multiple Dice Roller", "Muliple Dice Roller"),
                              ("About", "About Quandrel")]:
            p.press(p.find(frame, "push button", button))
            p.frame(title)
            p.press(p.find(frame, "push button", button))
            time.sleep(0.3)
            check(len(p.frames(title)) == 1, f"{title}: {len(p.frames(title))} windows")
        # Closing the main window leaves the program running with the others.
        p.request_close(MAIN)
        p.gone(MAIN)
        time.sleep(0.3)
        check(p.running(), "program ended with the main window")
        for title in ["Character Stat Roller", "Muliple Dice Roller"]:
            p.request_close(title)
            p.gone(title)
            check(p.running(), f"program ended while About was open (closed {title})")
        p.request_close("About Quandrel")
        wait_for(lambda: not p.running(), 10, "the program to end with its last window")
    run(session, program, body)


import time  # noqa: E402  (used by the scenarios above)
