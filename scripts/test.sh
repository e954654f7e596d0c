#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Builds Quandrel and runs every test headless, the command CI runs:
#   1. every CTest layer (optimised build): the unit and pixel suites, the program in the
#      desktop sessions of openbox, Xfce, GNOME and KDE on X11 and of weston, GNOME and KDE
#      on Wayland, the packaging checks, the black-box run of the real program on a virtual
#      X display and the real program heard through the Orca screen reader;
#   2. clang-tidy over the product code;
#   3. the release checks: two identical package builds, lintian, hardening, AppStream,
#      licences;
#   4. the unit and pixel suites again, built with clang 14, AddressSanitizer and
#      UndefinedBehaviorSanitizer;
#   5. 20 seconds of fuzzing the count conversion.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build packaging fuzz lint blackbox desktop screenreader

cmake --preset test >/dev/null
cmake --build --preset test
ctest --preset test
scripts/lint.sh build/test

tests/packaging/release.sh

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

scripts/fuzz.sh 20
