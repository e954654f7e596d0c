#!/usr/bin/env bash
# Builds a release and the Debian package build/release/quandrel_1.7.0_amd64.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build packaging
cmake --preset release >/dev/null
cmake --build --preset release
(cd build/release && cpack -G DEB)
