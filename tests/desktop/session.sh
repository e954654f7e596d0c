#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Runs TEST inside a desktop session of its own, on a virtual X screen WIDTHxHEIGHT pixels,
# at the desktop's scale SCALE, in the desktop's dark colour scheme where DARK is "dark":
#   session.sh DESKTOP WIDTHxHEIGHT SCALE light|dark TEST [ARGS...]
# DESKTOP is an X11 window manager (openbox, xfce, mutter-x11, kwin-x11) or a Wayland
# compositor drawing into the X screen (weston, mutter, kwin). Each session has its own X
# screen (xvfb-run), D-Bus session bus (dbus-run-session), home and settings; GNOME's Wayland
# session has the desktop's settings portal.
# TEST runs on the session's own platform (xcb or wayland) with QUANDREL_DESKTOP, and
# QUANDREL_DARK=1 where the desktop asks for dark.
set -euo pipefail
desktop=$1 size=$2 scale=$3 scheme=$4

# First the session's home, settings and bus configuration, then this script again inside
# a virtual X screen and a session bus of its own.
if [[ -z ${QUANDREL_SESSION:-} ]]; then
  runtime=$(mktemp -d)
  chmod 700 "$runtime"
  # A settings daemon of the desktop may still write there as its bus ends.
  trap 'rm -rf "$runtime" 2>/dev/null || { sleep 1; rm -rf "$runtime"; } || true' EXIT
  export QUANDREL_SESSION=$runtime XDG_RUNTIME_DIR=$runtime HOME=$runtime
  export XDG_CONFIG_HOME=$runtime/config
  mkdir -p "$XDG_CONFIG_HOME" "$runtime/services"
  case $desktop in
    mutter*) export XDG_CURRENT_DESKTOP=GNOME ;;
    kwin*) export XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 ;;
    xfce) export XDG_CURRENT_DESKTOP=XFCE ;;
  esac
  # The session bus starts only the services this desktop has.
  services=(ca.desrt.dconf org.xfce.Xfconf)
  [[ $desktop == mutter ]] &&
    services+=(org.freedesktop.portal.Desktop org.freedesktop.impl.portal.desktop.gtk)
  for service in "${services[@]}"; do
    ln -s "/usr/share/dbus-1/services/$service.service" "$runtime/services/"
  done
  cat >"$runtime/bus.conf" <<EOF
<busconfig>
  <type>session</type>
  <listen>unix:dir=$runtime</listen>
  <servicedir>$runtime/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/>
  </policy>
</busconfig>
EOF
  # The X server keeps running as it is when its last client leaves: the checks below come
  # and go, and a reset as one leaves would turn away a window manager connecting then.
  status=0
  xvfb-run -a -s "-screen 0 ${size}x24 -dpi 96 -nolisten tcp -noreset" \
    dbus-run-session --config-file="$runtime/bus.conf" -- bash "$0" "$@" || status=$?
  exit $status
fi
shift 4
runtime=$QUANDREL_SESSION
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null' EXIT
fail() { tail -n 20 "$runtime"/*.log; echo "session.sh: $*"; exit 1; }
# Starts a program of the desktop, its output into $runtime/LOG.log: start LOG COMMAND...
start() { "${@:2}" >"$runtime/$1.log" 2>&1 & pids+=($!); }
# Waits up to five seconds for a command to succeed.
await() { for _ in $(seq 250); do "$@" >/dev/null 2>&1 && return; sleep 0.02; done; fail "no $*"; }

# The desktop's colour scheme and scale, then its window manager or compositor.
# A window manager names its check window on the root window; without one, xprop says
# "no such atom on any window".
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }
platform=xcb
case $desktop in
  openbox)
    start wm openbox --sm-disable --startup "touch $runtime/ready"
    await test -e "$runtime/ready"
    export QT_SCALE_FACTOR=$scale QT_ENABLE_HIGHDPI_SCALING=0 ;;
  xfce)
    xfconf-query -c xsettings -p /Gdk/WindowScalingFactor -n -t int -s "$scale"
    [[ $scheme == dark ]] && xfconf-query -c xsettings -p /Net/ThemeName -n -t string -s Adwaita-dark
    start settings xfsettingsd --no-daemon --sm-client-disable
    start wm xfwm4 --replace --sm-client-disable
    await wm_ready
    await /usr/bin/python3 -c 'import sys; from Xlib import display, X; d = display.Display()
sys.exit(d.get_selection_owner(d.intern_atom("_XSETTINGS_S0")) == X.NONE)' ;;
  mutter*)
    [[ $scheme == dark ]] && gsettings set org.gnome.desktop.interface color-scheme prefer-dark
    if [[ $desktop == mutter-x11 ]]; then
      start wm mutter --x11 --replace --sm-disable
      await wm_ready
    else
      [[ $scale == *.* ]] &&
        gsettings set org.gnome.mutter experimental-features "['scale-monitor-framebuffer']"
      start wm env MUTTER_DEBUG_DUMMY_MODE_SPECS="$size" MUTTER_DEBUG_DUMMY_MONITOR_SCALES="$scale" \
        mutter --wayland --nested --no-x11 --wayland-display=wayland-quandrel --sm-disable
      platform=wayland
    fi ;;
  kwin*)
    [[ $scheme == dark ]] && cp /usr/share/color-schemes/BreezeDark.colors "$XDG_CONFIG_HOME/kdeglobals"
    if [[ $desktop == kwin-x11 ]]; then
      start wm kwin_x11 --replace
      await wm_ready
    else
      # A copy without the installed program's file capability, which an unprivileged
      # sandbox cannot exec; KWin knows itself by the program's name.
      mkdir "$runtime/bin"
      cp /usr/bin/kwin_wayland "$runtime/bin/"
      start wm "$runtime/bin/kwin_wayland" --x11-display "$DISPLAY" --width "${size%x*}" \
        --height "${size#*x}" --scale "$scale" --socket wayland-quandrel
      platform=wayland
    fi ;;
  weston)
    start wm weston --backend=x11-backend.so --use-pixman --socket=wayland-quandrel --idle-time=0 \
      --width="${size%x*}" --height="${size#*x}"
    platform=wayland ;;
  *) fail "unknown desktop $desktop" ;;
esac
# The test on the session's platform; a Wayland client reaches only the compositor.
display=(-u WAYLAND_DISPLAY)
if [[ $platform == wayland ]]; then
  await test -S "$runtime/wayland-quandrel"
  display=(-u DISPLAY WAYLAND_DISPLAY=wayland-quandrel)
fi
status=0
env "${display[@]}" QT_QPA_PLATFORM=$platform QUANDREL_DESKTOP="$desktop" QUANDREL_SCALE="$scale" \
  QUANDREL_DARK=$([[ $scheme == dark ]] && echo 1 || echo 0) "$@" || status=$?
[[ $platform == xcb ]] || kill -0 "${pids[-1]}" 2>/dev/null || fail "$desktop ended"
exit $status
