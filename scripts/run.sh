#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Builds the program alone (debug, without the tests) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake --preset dev >/dev/null
cmake --build --preset dev --target quandrel
exec build/dev/app/quandrel
