#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Installs the build into a staging folder and checks what a desktop gets: the exact set
# of files, valid desktop and AppStream files, a program that starts, the Debian package's
# control data and the Windows version record.
#   check.sh BUILD_DIR SOURCE_DIR VERSION     (VERSION as project() declares it)
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
version=$3
IFS=. read -r major minor revision <<<"$version"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# 1. The staged install holds exactly these files.
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
(cd "$work/stage" && find . -type f | sort) >"$work/files"
{
  echo ./usr/games/quandrel
  for s in 128 16 24 256 32 48 64; do echo "./usr/share/icons/hicolor/${s}x${s}/apps/org.quandrel.Quandrel.png"; done
  echo ./usr/share/icons/hicolor/scalable/apps/org.quandrel.Quandrel.svg
  echo ./usr/share/applications/org.quandrel.Quandrel.desktop
  echo ./usr/share/metainfo/org.quandrel.Quandrel.metainfo.xml
  echo ./usr/share/man/man6/quandrel.6.gz
  echo ./usr/share/doc/quandrel/copyright
  echo ./usr/share/doc/quandrel/changelog.gz
} | sort >"$work/expected"
diff -u "$work/expected" "$work/files" || fail "installed files differ"

# 2. The desktop entry and the AppStream metadata validate.
desktop-file-validate "$work/stage/usr/share/applications/org.quandrel.Quandrel.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$work/stage/usr/share/metainfo/org.quandrel.Quandrel.metainfo.xml" ||
  fail "AppStream metadata"
grep -q "release version=\"$version\" date=" "$work/stage/usr/share/metainfo/org.quandrel.Quandrel.metainfo.xml" ||
  fail "AppStream release"
zcat "$work/stage/usr/share/doc/quandrel/changelog.gz" | head -n 1 | grep -qx "quandrel ($version) unstable; urgency=medium" ||
  fail "changelog"

# 3. The installed program starts and keeps running until it is stopped.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$work/stage/usr/games/quandrel" >/dev/null 2>&1 || status=$?
[[ $status -eq 124 ]] || fail "installed program exited with $status instead of running"
# Without any display it says so in one line and ends with status 1.
status=0
said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/stage/usr/games/quandrel" 2>&1) || status=$?
[[ $status -eq 1 && "$said" == "quandrel: cannot open a display (DISPLAY and WAYLAND_DISPLAY are unset)" ]] ||
  fail "without a display: status $status, said: $said"

# 4. The Debian package: name, version, dependencies and recommendations.
(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null) || fail "cpack"
deb="$work/deb/quandrel_${version}_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || fail "no $deb"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "package version"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in "fonts-liberation2 | fonts-liberation" libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
  [[ "$depends" == *"$dep"* ]] || fail "package does not depend on $dep: $depends"
done
# Only Qt's public interface: the package takes any Qt 6 release of the same major version.
[[ "$depends" != *qt6-base-abi* ]] || fail "package binds itself to one Qt release: $depends"
recommends=$(dpkg-deb -f "$deb" Recommends)
for dep in qt6-translations-l10n "fonts-wqy-microhei | fonts-noto-cjk"; do
  [[ "$recommends" == *"$dep"* ]] || fail "package does not recommend $dep: $recommends"
done
contents=$(dpkg-deb -c "$deb")
[[ "$contents" == *./usr/share/applications/org.quandrel.Quandrel.desktop* ]] || fail "package contents"

# 5. The Windows resource script compiles and carries the version as MAJOR.MINOR.REVISION.0
#    and as the string "MAJOR.MINOR", the minor number in two digits.
x86_64-w64-mingw32-windres --preprocessor=cpp --preprocessor-arg=-P -O res \
  -i "$build/quandrel.rc" -o "$work/quandrel.res" || fail "resource script"
python3 - "$work/quandrel.res" "$major" "$minor" "$revision" <<'PY' || fail "version record"
import struct, sys
data = open(sys.argv[1], "rb").read()
major, minor, revision = map(int, sys.argv[2:5])
at = data.find(struct.pack("<I", 0xFEEF04BD))
assert at >= 0, "no VS_FIXEDFILEINFO"
_, _, file_ms, file_ls, prod_ms, prod_ls = struct.unpack("<6I", data[at:at + 24])
high, low = major << 16 | minor, revision << 16
assert (file_ms, file_ls, prod_ms, prod_ls) == (high, low, high, low), "version numbers"
text = data.decode("utf-16-le", "ignore")
assert text.count(f"{major}.{minor:02d}") >= 2, "version strings"
PY
echo "packaging: 5 checks passed"
