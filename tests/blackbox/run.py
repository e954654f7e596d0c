#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
"""Black-box run of the real program: run.py PATH_TO_QUANDREL [SCENARIO...]."""

import sys
import time
import traceback

from harness import Failure, Session, check, near, wait_for
import scenarios


def main():
    program = sys.argv[1]
    wanted = sys.argv[2:]
    session = Session()
    passed = failed = 0
    try:
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
    finally:
        session.close()
    print(f"blackbox: {passed} passed, {failed} failed")
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main())
