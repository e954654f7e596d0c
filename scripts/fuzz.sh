#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Fuzzes the count conversion for SECONDS (default 60) with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, checked against an independent reference.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/deps.sh build fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp tests/fuzz/corpus/* "$corpus"/
status=0
build/fuzz/tests/fuzz/fuzz_count -max_total_time="$seconds" -max_len=64 -print_final_stats=1 \
  -artifact_prefix="$corpus/" \
  "$corpus" >"$corpus/log" 2>&1 || status=$?
grep -E '^(Done|==|SUMMARY|count conversion)' "$corpus/log" || true
if [[ $status -ne 0 ]]; then
  tail -n 40 "$corpus/log"
  echo "fuzz: 0 passed, 1 failed"
  exit 1
fi
echo "fuzz: 1 passed, 0 failed"
