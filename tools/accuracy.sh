#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints, as Markdown, how far the built-in sky lies from Swiss Ephemeris:
# the Sun, the Moon and the planets (geocentric apparent places), Greenwich
# sidereal time and the precessed star places; see tools/accuracy_table.cpp.
# Run by hand, never by the tests:
#
#   sh tools/accuracy.sh > docs/accuracy.md
#   sh tools/accuracy.sh [BRIGHT_STARS_TSV]
#
# The star list defaults to shared/data/bright-stars.tsv beside the
# repository. Installs Debian's swetest when it is missing and builds the
# accuracy-table target in build/ (the release preset); everything but the
# table goes to standard error.
set -eu

top=$(cd "$(dirname "$0")/.." && pwd)
stars=${1:-"$top/../shared/data/bright-stars.tsv"}
[ -r "$stars" ] || { echo "accuracy.sh: cannot read the star list $stars" >&2; exit 1; }

if ! command -v swetest >/dev/null 2>&1; then
  if [ "$(id -u)" -eq 0 ]; then as_root=""; else as_root="sudo"; fi
  $as_root apt-get update >&2
  DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y --no-install-recommends swetest >&2
fi

cd "$top"
[ -f build/CMakeCache.txt ] || cmake --preset release >&2
cmake --build --preset release --target accuracy-table >&2
exec "$top/build/tools/accuracy-table" "$stars"
