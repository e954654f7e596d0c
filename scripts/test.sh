#!/usr/bin/env bash
# Builds Quandrel and runs every test headless: the QTest suites, then the black-box run
# of the real program on a virtual X display, driven through the accessibility interface.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build packaging blackbox
cmake --preset test >/dev/null
cmake --build --preset test
ctest --preset test
/usr/bin/python3 tests/blackbox/run.py build/test/app/quandrel
