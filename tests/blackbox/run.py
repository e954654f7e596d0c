#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
"""Black-box run of the real program, in an X display and a D-Bus session bus of its own:
    xvfb-run -a dbus-run-session -- /usr/bin/python3 run.py PATH_TO_QUANDREL [SCENARIO...]"""

import sys
import time
import traceback

from harness import Failure, Session
import scenarios


def main():
    program = sys.argv[1]
    wanted = sys.argv[2:]
    passed = failed = 0
    with Session() as session:
        for name, scenario in scenarios.ALL:
            if wanted and name not in wanted:
                continue
            started = time.monotonic()
            try:
                scenario(session, program)
                passed += 1
                print(f"PASS   {name} ({time.monotonic() - started:.1f} s)", flush=True)
            except Exception as error:  # one failing scenario must not hide the others
                failed += 1
                print(f"FAIL   {name}: {error}", flush=True)
                if not isinstance(error, Failure):
                    traceback.print_exc()
    print(f"blackbox: {passed} passed, {failed} failed")
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main())
