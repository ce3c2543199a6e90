#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints, as Markdown, how far the built-in sky lies from Swiss Ephemeris:
# the Sun, the Moon and the planets (geocentric apparent places), Greenwich
# sidereal time and the precessed star places (tools/accuracy_table.cpp),
# then the almanac's event times (tools/almanac_accuracy.cpp).
# Run by hand, never by the tests:
#
#   sh tools/accuracy.sh > docs/accuracy.md
#   sh tools/accuracy.sh [BRIGHT_STARS_TSV]
#
# The star list defaults to shared/data/bright-stars.tsv beside the
# repository. Installs Debian's swetest when it is missing and builds the
# accuracy-table and almanac-accuracy targets in build/ (the release
# preset); everything but the tables goes to standard error.
set -eu

top=$(cd "$(dirname "$0")/.." && pwd)
stars=${1:-"$top/../shared/data/bright-stars.tsv"}
[ -r "$stars" ] || { echo "accuracy.sh: cannot read the star list $stars" >&2; exit 1; }

. "$top/tools/need-swetest.sh"

cd "$top"
[ -f build/CMakeCache.txt ] || cmake --preset release >&2
cmake --build --preset release --target accuracy-table almanac-accuracy >&2
"$top/build/tools/accuracy-table" "$stars"
# The almanac's events, the last section (tools/almanac_accuracy.sh alone).
exec "$top/build/tools/almanac-accuracy"
