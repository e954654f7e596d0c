#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Checks the product code with clang-tidy (the checks and their exclusions are in
# .clang-tidy), with the compile commands of a configured build:
#   scripts/lint.sh [BUILD_DIR]      (default build/test)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh lint
build=${1:-build/test}
[[ -f "$build/compile_commands.json" ]] || { echo "lint: configure $build first" >&2; exit 2; }
mapfile -t sources < <(git ls-files 'dice/*.cpp' 'statroller/*.cpp' 'multiroller/*.cpp' \
  'about/*.cpp' 'ui/*.cpp' 'app/*.cpp')
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# The build is GCC's: clang does not know all of its warning options.
if run-clang-tidy -p "$build" -j "$(nproc)" -quiet -extra-arg=-Wno-unknown-warning-option \
  "${sources[@]}" >"$log" 2>&1; then
  echo "lint: ${#sources[@]} files, no finding"
else
  grep -E "(warning|error):" "$log" | sort -u || tail -n 40 "$log"
  echo "lint: findings in the product code"
  exit 1
fi
