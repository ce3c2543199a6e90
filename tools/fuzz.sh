#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes every target in fuzz/ for SECONDS each (default 60) and prints, per
# target, the executions, the coverage (cov and ft of libFuzzer's last stats
# line) and the crashes found.
#
#   tools/fuzz.sh [SECONDS]
#
# Installs clang and libFuzzer when missing (root or sudo needed then), builds
# in build-fuzz/ with clang, AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs each target on a scratch copy of its seed corpus in
# build-fuzz/fuzz-run/<target>/, so the committed seeds stay as they are. What
# a target finds is left there: the grown corpus in corpus/, the inputs that
# failed in artifacts/ (crash-*, leak-*, timeout-*, oom-*), libFuzzer's
# output in log. A run stopped by a crash is started again for the time left,
# at most five times. Exits non-zero when anything was found.
set -eu
seconds=${1:-60}
case "$seconds" in
  '' | *[!0-9]*) echo "usage: fuzz.sh [SECONDS]" >&2; exit 2 ;;
esac
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-fuzz"
targets="fuzz_number_rule fuzz_calendar fuzz_session"

sh "$top/tools/install-deps.sh" fuzz

CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DHOSHIZORA_FUZZ=ON -DHOSHIZORA_BUILD_TESTS=OFF -DHOSHIZORA_BUILD_BENCH=OFF >/dev/null
# shellcheck disable=SC2086
cmake --build "$build" --target $targets

# Per-input limits: a session draws up to a few dozen frames.
timeout_of() {
  case "$1" in
    fuzz_session) echo 60 ;;
    *) echo 10 ;;
  esac
}

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
summary=""
found=0
for t in $targets; do
  run="$build/fuzz-run/$t"
  rm -rf "$run"
  mkdir -p "$run/corpus" "$run/artifacts"
  cp "$top/fuzz/corpus/$t/"* "$run/corpus/"
  : >"$run/log"
  start=$(date +%s)
  left=$seconds
  tries=0
  echo "== $t: ${seconds}s"
  while [ "$left" -gt 0 ] && [ "$tries" -lt 5 ]; do
    tries=$((tries + 1))
    "$build/fuzz/$t" -max_total_time="$left" -timeout="$(timeout_of "$t")" \
      -print_final_stats=1 -artifact_prefix="$run/artifacts/" "$run/corpus" >>"$run/log" 2>&1 &&
      break
    left=$((seconds - ($(date +%s) - start)))
  done
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/log" | awk '{s += $1} END {print s + 0}')
  last=$(grep -E '^#[0-9]+.*cov: [0-9]+ ft: [0-9]+' "$run/log" | tail -n 1)
  cov=$(echo "$last" | sed -n 's/.*cov: \([0-9]*\).*/\1/p')
  ft=$(echo "$last" | sed -n 's/.* ft: \([0-9]*\).*/\1/p')
  crashes=$(find "$run/artifacts" -type f | wc -l)
  line="$t: execs ${execs} cov ${cov:-?} ft ${ft:-?} crashes ${crashes}"
  echo "$line"
  find "$run/artifacts" -type f | sort | sed 's/^/  /'
  found=$((found + crashes))
  summary="$summary$line
"
done
echo "== summary (${seconds}s per target)"
printf '%s' "$summary"
[ "$found" -eq 0 ]
