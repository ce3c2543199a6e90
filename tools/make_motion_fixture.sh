#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the reference that the motion tests compare the program with, from
# Debian's swetest (built-in Moshier theory, no files):
#   tests/frame/data/mars_2022.tsv   Mars at 23:00 JST (14:00 UT) every day
#       from 2022-10-01 to 2023-01-31, geocentric, geometric, mean equator
#       and equinox of date (as plpl gives it): jd_ut ra_deg dec_deg
#   tests/almanac/data/venus_disc.tsv   Venus's disc at 0 h UT every 50 days
#       from 2023-01-01 over two synodic periods: jd_ut phase_angle_deg
#       lit_fraction elongation_deg diameter_arcsec
set -eu

top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tools/need-swetest.sh"

mars="$top/tests/frame/data/mars_2022.tsv"
mkdir -p "$(dirname "$mars")"
{
  printf 'jd_ut\tra_deg\tdec_deg\n'
  swetest -b1.10.2022 -ut14:00 -p4 -n123 -s1 -fJad -emos -true -nonut -head -g, |
    awk -F, '{ gsub(/ /, ""); printf "%.6f\t%.7f\t%.7f\n", $1, $2, $3 }'
} >"$mars"
echo "wrote $mars"

venus="$top/tests/almanac/data/venus_disc.tsv"
mkdir -p "$(dirname "$venus")"
# swetest writes the angles as d°m's: turned into degrees here.
{
  printf 'jd_ut\tphase_angle_deg\tlit_fraction\telongation_deg\tdiameter_arcsec\n'
  swetest -b1.1.2023 -ut0:00 -p3 -n24 -s50 -fJ+-*/ -emos -head -g, |
    awk -F, '
      function deg(s,   a) { gsub(/[°'"'"']/, " ", s); split(s, a, " "); return a[1] + a[2] / 60 + a[3] / 3600 }
      { printf "%.6f\t%.6f\t%.9f\t%.6f\t%.4f\n", $1, deg($2), $3, deg($4), deg($5) * 3600 }'
} >"$venus"
echo "wrote $venus"
