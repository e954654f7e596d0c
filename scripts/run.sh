#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Builds Quandrel (debug) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake --preset dev >/dev/null
cmake --build --preset dev
exec build/dev/app/quandrel
