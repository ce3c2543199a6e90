#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints, as a Markdown section, how far the almanac's rising, setting,
# transit and phase times lie from Swiss Ephemeris at 200 random places in
# Japan from 1900 to 2100; see tools/almanac_accuracy.cpp. Run by hand, never
# by the tests; tools/accuracy.sh appends it to the rest of docs/accuracy.md:
#
#   sh tools/almanac_accuracy.sh
#
# Installs Debian's swetest when it is missing and builds the
# almanac-accuracy target in build/ (the release preset); everything but the
# section goes to standard error.
set -eu

top=$(cd "$(dirname "$0")/.." && pwd)

. "$top/tools/need-swetest.sh"

cd "$top"
[ -f build/CMakeCache.txt ] || cmake --preset release >&2
cmake --build --preset release --target almanac-accuracy >&2
exec "$top/build/tools/almanac-accuracy"
