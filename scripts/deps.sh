#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Installs the Debian 12 (bookworm) packages a task needs, and only those that are missing,
# with apt-get (through sudo when not root).
#   scripts/deps.sh bench      Google Benchmark, for the benchmarks in bench/
#   scripts/deps.sh build      compiler, CMake, Ninja, Qt 6 Widgets and the X11 client library
#                              (and Qt's platform headers, for the tests), Qt's translation tools and Qt's own translations,
#                              the design's font and a font with Chinese and Japanese
#                              characters, and rsvg-convert, with which the asset test renders
#                              the icons' drawings
#   scripts/deps.sh blackbox   a virtual X display and the accessibility stack
#   scripts/deps.sh desktop    a virtual X display with the window managers and compositors of
#                              the desktops tested (openbox, Xfce, GNOME's mutter, KDE's KWin,
#                              weston), GNOME's settings portal, Qt's Wayland platform, and the
#                              X tools that click, drag and read window properties
#   scripts/deps.sh fuzz       clang 14 with its sanitizer and libFuzzer runtimes
#   scripts/deps.sh lint       clang-tidy
#   scripts/deps.sh packaging  validators, Debian packaging tools, the Windows resource compiler
#   scripts/deps.sh screenreader  the Orca screen reader with speech, a window manager and a
#                              virtual X display, to hear the program headless
#   scripts/deps.sh tools      Qt's SVG module and rsvg-convert, for the asset renderer
#   scripts/deps.sh screenshots  a virtual X display, and tools to click and to capture
set -euo pipefail

declare -A groups=(
  [bench]="libbenchmark-dev"
  [build]="cmake ninja-build g++ qt6-base-dev libxcb1-dev qt6-base-private-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-liberation2 fonts-wqy-microhei librsvg2-bin"
  [fuzz]="clang-14 libclang-rt-14-dev"
  [lint]="clang-tidy"
  [packaging]="desktop-file-utils appstream appstream-compose dpkg-dev file binutils-mingw-w64-x86-64 lintian devscripts reuse librsvg2-bin"
  [tools]="qt6-svg-dev librsvg2-bin"
  [desktop]="xvfb xauth openbox xdotool x11-utils python3-xlib dbus libglib2.0-bin dconf-service dconf-gsettings-backend weston qt6-wayland mutter xdg-desktop-portal xdg-desktop-portal-gtk kwin-x11 kwin-wayland kwin-style-breeze xfwm4 xfce4-settings"
  [screenreader]="orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng at-spi2-core python3-pyatspi python3-xlib dbus dbus-x11 libglib2.0-bin dconf-gsettings-backend dconf-service xvfb xauth openbox xdotool"
  [screenshots]="xvfb xauth xfonts-base xdotool imagemagick"
  [blackbox]="xvfb xauth xfonts-base xdotool dbus dbus-x11 libglib2.0-bin at-spi2-core python3 python3-pyatspi gir1.2-atspi-2.0 python3-xlib x11-utils xclip"
)

wanted=()
for group in "$@"; do
  [[ -n "${groups[$group]:-}" ]] || { echo "deps.sh: unknown group '$group'" >&2; exit 2; }
  read -ra list <<<"${groups[$group]}"
  wanted+=("${list[@]}")
done

missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
