#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Checks what a distribution takes: the Debian package from scripts/package.sh, built twice
# in two folders, is the same byte for byte, clean under lintian --pedantic and hardened;
# the AppStream metadata (validated by check.sh) composes with the desktop entry's keywords;
# every file's licence is declared.
#   release.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

scripts/package.sh build/release >"$work/build1.log" 2>&1 || { cat "$work/build1.log"; fail "package"; }
scripts/package.sh build/release-again >"$work/build2.log" 2>&1 || { cat "$work/build2.log"; fail "package"; }
deb=$(echo build/release/quandrel_*_"$(dpkg --print-architecture)".deb)
[[ -f "$deb" ]] || fail "no package in build/release"
cmp "$deb" "build/release-again/${deb##*/}" || fail "two builds of one commit differ"

lintian --pedantic --info "$deb" 2>/dev/null | tee "$work/lintian"
! grep -qE '^[EW]: ' "$work/lintian" || fail "lintian reports errors or warnings"

# Debian 12's C start files carry no control-flow protection note, so no program linked
# there has one, and fortify finds nothing to protect in this program's own calls (every
# copy goes into storage whose size is known only at run time). Both are checked as flags.
dpkg-deb -x "$deb" "$work/root"
hardening-check --nofortify --nocfprotection "$work/root/usr/games/quandrel" || fail "hardening"
for flag in -D_FORTIFY_SOURCE= -fcf-protection -fstack-protector-strong -fstack-clash-protection; do
  grep -q -- "$flag" build/release/compile_commands.json || fail "release built without $flag"
done
! readelf -d "$work/root/usr/games/quandrel" | grep -qE 'RPATH|RUNPATH' || fail "the program has a RUNPATH"

appstreamcli compose --no-color --origin=quandrel --result-root="$work/compose" "$work/root" >/dev/null ||
  fail "AppStream compose"
catalogue=$(zcat "$work/compose/usr/share/swcatalog/xml/quandrel.xml.gz")
for keyword in dice roll tabletop role-playing rpg d20; do
  [[ "$catalogue" == *"<keyword>$keyword</keyword>"* ]] || fail "keyword $keyword lost in composition"
done

tests/packaging/reuse.sh . >"$work/reuse" || { cat "$work/reuse"; fail "reuse lint"; }
echo "release: 5 checks passed"
