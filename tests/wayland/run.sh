#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Runs TEST on the Wayland platform inside a weston of its own. Weston draws into a virtual X
# screen, which gives it a seat: a keyboard whose focus tells which window is active.
#   run.sh TEST [ARGS...]
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
exec 3>"$runtime/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$runtime/xvfb.log" 2>&1 &
xvfb=$!
weston=
trap 'kill $weston $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 300); do [[ -s $runtime/display ]] && break; sleep 0.01; done
[[ -s $runtime/display ]] || { cat "$runtime/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export XDG_RUNTIME_DIR=$runtime
DISPLAY=:$(head -n 1 "$runtime/display") weston --backend=x11-backend.so --use-pixman \
  --socket=wayland-quandrel --idle-time=0 --width=1024 --height=768 >"$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 300); do [[ -S $runtime/wayland-quandrel ]] && break; sleep 0.02; done
[[ -S $runtime/wayland-quandrel ]] || { cat "$runtime/weston.log"; echo "weston did not start"; exit 1; }
status=0
env -u DISPLAY WAYLAND_DISPLAY=wayland-quandrel QT_QPA_PLATFORM=wayland "$@" || status=$?
kill -0 $weston 2>/dev/null || { cat "$runtime/weston.log"; echo "weston ended"; exit 1; }
exit $status
