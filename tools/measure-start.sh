#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Cold start and memory of hoshizora-render and of the window, as a user runs
# them:
#   sh tools/measure-start.sh [RUNS]
# Prints the median wall time and the peak memory of RUNS (default 10) runs
# that draw one frame and write it as PNG, then the peak memory of 1,000 and
# of 100,000 frames and the growth between them, then the median time from
# the window's start to its first paint (build/tools/window-start, on the
# offscreen platform unless QT_QPA_PLATFORM says otherwise) and its peak. Peak memory comes from
# /usr/bin/time -v (package time); the wall time is taken around each run
# with date, since time -v reports it only to the hundredth of a second.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
render="$top/build/src/cli/hoshizora-render"
window="$top/build/tools/window-start"
runs=${1:-10}
if [ ! -x "$render" ] || [ ! -x "$window" ]; then echo "build first: sh tools/build.sh" >&2; exit 1; fi
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time: apt-get install time" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
sky="--longitude 139.7 --latitude 35.7 --year 2026 --month 12 --day 7 --hour 21 --minute 0"

# Peak resident memory of one run of a command, KiB.
peak_of() {
  /usr/bin/time -v "$@" 2>&1 >/dev/null | sed -n 's/.*Maximum resident set size (kbytes): //p'
}
# The same for hoshizora-render on the sky above.
peak_kib() {
  # shellcheck disable=SC2086
  peak_of "$render" $sky "$@"
}
# KiB as MiB, one decimal.
mib() { awk '{printf "%.1f", $1 / 1024}'; }

i=0
: >"$out/wall"
: >"$out/peak"
while [ "$i" -lt "$runs" ]; do
  start=$(date +%s%N)
  # shellcheck disable=SC2086
  "$render" $sky --png "$out/sky.png" 2>/dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000)) >>"$out/wall"
  peak_kib --png "$out/sky.png" >>"$out/peak"
  i=$((i + 1))
done
median() { sort -n "$1" | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
echo "hoshizora-render --png, $runs runs: median wall $(median "$out/wall" | awk '{printf "%.1f", $1 / 1000}') ms, peak memory $(sort -n "$out/peak" | tail -n 1 | mib) MiB"

k1=$(peak_kib --frames 1000)
k100=$(peak_kib --frames 100000)
echo "peak memory: 1,000 frames $(echo "$k1" | mib) MiB, 100,000 frames $(echo "$k100" | mib) MiB, growth $((k100 - k1)) KiB"

# The window: from just before its start to the end of its first paint.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
i=0
: >"$out/window"
: >"$out/window-peak"
while [ "$i" -lt "$runs" ]; do
  start=$(date +%s%N)
  painted=$("$window" 2>/dev/null)
  echo $(((painted - start) / 1000)) >>"$out/window"
  peak_of "$window" >>"$out/window-peak"
  i=$((i + 1))
done
echo "window to its first paint ($QT_QPA_PLATFORM), $runs runs: median $(median "$out/window" | awk '{printf "%.1f", $1 / 1000}') ms, peak memory $(sort -n "$out/window-peak" | tail -n 1 | mib) MiB"
