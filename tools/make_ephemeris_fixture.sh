#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the reference places of the Sun, the Moon and the planets that
# tests/ephem/ephemeris_reference_test.cpp compares the program with, taken
# from Debian's swetest (Swiss Ephemeris, built-in Moshier theory, no files).
#
#   tools/make_ephemeris_fixture.sh            the fixture: 12 moments
#   tools/make_ephemeris_fixture.sh survey N   N moments, to stdout, for
#                                              measuring the theory's errors
#
# The places asked for match what plpl and moon give: geocentric, geometric
# (-true: no light time, no aberration, no light deflection), mean equator
# and equinox of date (-nonut), at a moment given in UT (-ut).
# Columns: body, Julian day (UT), t2000, right ascension and declination in
# degrees.
set -eu

top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/tests/ephem/data/ephemeris_reference.tsv"

. "$top/tools/need-swetest.sh"

jd_first=2378496.5 # 1800-01-01 0h UT
jd_last=2524593.5  # 2200-01-01 0h UT

# Moments: the fixture spreads 12 over the span, each at another time of
# day; the survey takes N from the golden-ratio sequence, which covers the
# span evenly without falling into step with the year or the month.
moments() {
  if [ "$1" = fixture ]; then
    awk -v a="$jd_first" -v b="$jd_last" 'BEGIN {
      for (k = 0; k < 12; k++) printf "%.6f\n", a + 17.3 + k * (b - a - 40) / 11 + (k * 0.137) % 1 }'
  else
    awk -v a="$jd_first" -v b="$jd_last" -v n="$2" 'BEGIN {
      for (k = 1; k <= n; k++) { f = k * 0.6180339887498949; printf "%.6f\n", a + (f - int(f)) * (b - a) } }'
  fi
}

places() {
  printf 'body\tjd_ut\tt2000\tra_deg\tdec_deg\n'
  for jd in $(moments "$@"); do
    swetest -j"$jd" -ut -p0123456789 -fPad -emos -true -nonut -head -g, |
      awk -F, -v jd="$jd" '{
        gsub(/ /, "", $1)
        printf "%s\t%s\t%.12f\t%.7f\t%.7f\n", $1, jd, (jd - 2451545.0) / 36525, $2, $3 }'
  done
}

if [ "${1:-}" = survey ]; then
  places survey "${2:-400}"
else
  mkdir -p "$(dirname "$out")"
  places fixture >"$out"
  echo "wrote $out"
fi
