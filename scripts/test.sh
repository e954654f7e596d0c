#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Builds Quandrel and runs every test headless:
#   1. the QTest suites under CTest (optimised build), packaging checks and the Wayland
#      smoke test (in a headless weston) included, and clang-tidy over the product code;
#   2. the release checks: two identical package builds, lintian, hardening, AppStream,
#      licences;
#   3. the black-box run of the real program on a virtual X display, driven through the
#      accessibility interface and real key presses;
#   4. the real program heard through the Orca screen reader, driven by the keyboard;
#   5. the QTest suites again, built with clang 14, AddressSanitizer and
#      UndefinedBehaviorSanitizer;
#   6. 20 seconds of fuzzing the count conversion.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build packaging fuzz lint blackbox wayland screenreader

cmake --preset test >/dev/null
cmake --build --preset test
ctest --preset test
scripts/lint.sh build/test

tests/packaging/release.sh

/usr/bin/python3 tests/blackbox/run.py build/test/app/quandrel

/usr/bin/python3 tests/screenreader/run.py build/test/app/quandrel

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan --label-exclude "packaging|wayland"

scripts/fuzz.sh 20
