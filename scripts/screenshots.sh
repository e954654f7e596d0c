#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Takes screenshots of the four windows from the real program on a virtual X display:
#   scripts/screenshots.sh [PROGRAM]     (default: a fresh debug build)
# They go to docs/screenshots/, for the README.
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/.."
scripts/deps.sh build screenshots
program=${1:-}
if [[ -z "$program" ]]; then
  cmake --preset dev >/dev/null
  cmake --build --preset dev >/dev/null
  program=build/dev/app/quandrel
fi
out=docs/screenshots
mkdir -p "$out"

# Again, on a virtual X display of its own.
if [[ -z ${QUANDREL_SCREENSHOTS:-} ]]; then
  exec env QUANDREL_SCREENSHOTS=1 xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -nolisten tcp" \
    "$self" "$program"
fi

# shot FILE TITLE [X Y]: starts the program, clicks at (X, Y) on the main window when given,
# and saves the window titled TITLE.
shot() {
  local file=$1 title=$2
  env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
  local pid=$!
  xdotool search --sync --onlyvisible --name '^Quandrel$' >/dev/null
  sleep 0.5
  if [[ $# -gt 2 ]]; then
    xdotool mousemove --sync "$3" "$4" click 1
    sleep 0.8
  fi
  local id
  id=$(xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1)
  import -window "$id" "$out/$file"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$out/$file"
}
# Without a window manager the windows open at the top left; the buttons of the main
# window's bottom row are at y = 172.
shot main.png Quandrel
shot statroller.png "Character Stat Roller" 128 172
shot multiroller.png "Muliple Dice Roller" 544 172
shot about.png "About Quandrel" 336 172
