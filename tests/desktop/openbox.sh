#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Runs TEST on the X platform on a virtual screen of its own, WIDTHxHEIGHT pixels, managed
# by openbox, at Qt's scale factor SCALE:
#   openbox.sh WIDTHxHEIGHT SCALE TEST [ARGS...]
set -euo pipefail
size=$1 scale=$2
shift 2
runtime=$(mktemp -d)
chmod 700 "$runtime"
exec 3>"$runtime/display"
Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi 96 -nolisten tcp -noreset >"$runtime/xvfb.log" 2>&1 &
xvfb=$!
openbox=
trap 'kill $openbox $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 300); do [[ -s $runtime/display ]] && break; sleep 0.01; done
[[ -s $runtime/display ]] || { cat "$runtime/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n 1 "$runtime/display")
export XDG_RUNTIME_DIR=$runtime HOME=$runtime XDG_CONFIG_HOME=$runtime/config
openbox --sm-disable --startup "touch $runtime/ready" >"$runtime/openbox.log" 2>&1 &
openbox=$!
for _ in $(seq 500); do [[ -e $runtime/ready ]] && break; sleep 0.01; done
[[ -e $runtime/ready ]] || { cat "$runtime/openbox.log"; echo "openbox did not start"; exit 1; }
env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" QT_ENABLE_HIGHDPI_SCALING=0 "$@"
