#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Runs TEST on the Wayland platform inside a headless weston of its own:
#   run.sh TEST [ARGS...]
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
weston --backend=headless-backend.so --socket=wayland-quandrel --idle-time=0 \
  --width=1024 --height=768 >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do [[ -S $runtime/wayland-quandrel ]] && break; sleep 0.05; done
[[ -S $runtime/wayland-quandrel ]] || { cat "$runtime/weston.log"; echo "weston did not start"; exit 1; }
status=0
env -u DISPLAY WAYLAND_DISPLAY=wayland-quandrel QT_QPA_PLATFORM=wayland "$@" || status=$?
kill -0 $weston 2>/dev/null || { cat "$runtime/weston.log"; echo "weston ended"; exit 1; }
exit $status
