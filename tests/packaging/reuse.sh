#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Lints the licence information of every tracked file with `reuse lint`:
#   reuse.sh SOURCE_DIR
# Debian 12's reuse (1.1) predates REUSE.toml, so the check runs on a copy of the tracked
# files in which REUSE.toml is written out as the .reuse/dep5 file that version reads.
set -euo pipefail
source=$(cd "$1" && pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
(cd "$source" && git ls-files -z | xargs -0 cp --parents -t "$copy")
mkdir "$copy/.reuse"
python3 - "$copy/REUSE.toml" >"$copy/.reuse/dep5" <<'PY'
import sys, tomllib
with open(sys.argv[1], "rb") as f:
    config = tomllib.load(f)
print("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
print("Upstream-Name: Quandrel")
for note in config["annotations"]:
    paths = note["path"] if isinstance(note["path"], list) else [note["path"]]
    print()
    print("Files:", " ".join(p.replace("**", "*") for p in paths))
    print("Copyright:", note["SPDX-FileCopyrightText"])
    print("License:", note["SPDX-License-Identifier"])
PY
rm "$copy/REUSE.toml"
(cd "$copy" && git init -q && reuse lint)
