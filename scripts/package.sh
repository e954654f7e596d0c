#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Builds a hardened release and the Debian package BUILD_DIR/quandrel_VERSION_ARCH.deb:
#   scripts/package.sh [BUILD_DIR]      (default build/release)
# The same commit gives the same package, byte for byte, in any build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build packaging
build=$(realpath -m --relative-to="$PWD" "${1:-build/release}")

# Every date in the package is the last commit's.
# The same sources give the same package: its dates are the last commit's, or in a release
# tarball without git, the newest release's in the release notes.
if ! SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null); then
  released=$(grep -om1 '<release version="[^"]*" date="[0-9-]*"' \
    packaging/org.quandrel.Quandrel.metainfo.xml.in | grep -o '[0-9]*-[0-9]*-[0-9]*')
  SOURCE_DATE_EPOCH=$(date -u -d "$released" +%s)
fi
export SOURCE_DATE_EPOCH

# The distribution's hardening flags, where it has them; file paths relative to the source
# and build folders, so neither leaves a trace in the program (the last matching map wins).
cxxflags="-ffile-prefix-map=$PWD=. -ffile-prefix-map=$PWD/$build=build"
ldflags=""
if command -v dpkg-buildflags >/dev/null; then
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS) $cxxflags"
  ldflags=$(dpkg-buildflags --get LDFLAGS)
fi
# Where the compiler has them, the protections that newer distributions add to these
# flags: stack clash and control-flow protection, and the fortified checks that also
# cover buffers whose size is known only at run time.
for flag in -fstack-clash-protection -fcf-protection; do
  if echo 'int main() {}' | ${CXX:-c++} -x c++ -Werror "$flag" -o /dev/null - 2>/dev/null; then
    cxxflags="$cxxflags $flag"
  fi
done
if echo 'int main() {}' | ${CXX:-c++} -x c++ -O2 -Werror -D_FORTIFY_SOURCE=3 -o /dev/null - 2>/dev/null; then
  cxxflags="${cxxflags//-D_FORTIFY_SOURCE=2/} -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=3"
fi
cmake --preset release -B "$build" -DCMAKE_CXX_FLAGS="$cxxflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build"
(cd "$build" && cpack -G DEB)
