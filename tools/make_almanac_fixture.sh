#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the reference rising, setting and transit times of the Sun and the
# Moon that tests/almanac/almanac_reference_test.cpp compares the almanac
# with, taken from Debian's swetest (Swiss Ephemeris, built-in Moshier
# theory, no files):
#
#   tools/make_almanac_fixture.sh
#
# swetest's horizon events are taken without refraction (-norefrac): the
# Sun's upper limb and the Moon's centre (-disccenter), topocentric, at a
# geometric altitude of 0, sea level. The test asks the almanac for the same
# (refraction 0); the rules' 35' is a constant added to that altitude.
# swetest's own refraction depends on pressure and temperature (about 34' at
# 1013 hPa and 15 C), so the geometric horizon is the one both share exactly.
#
# Columns: east longitude and latitude (degrees), the JST date, the body, the
# event (rise, set, transit; "day" is a marker row present for every body and
# date, so that a day without events is still listed) and the time in hours
# after 0:00 JST of the date.
set -eu

top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/tests/almanac/data/almanac_reference.tsv"

. "$top/tools/need-swetest.sh"

# Place (lon, lat) and JST date, one per line, and why each is here.
cases() {
  cat <<'LIST'
139.7447 35.6581 2006-01-21 Tokyo: the moonset comes before the moonrise
139.7447 35.6581 2006-01-22 Tokyo: a day without moonrise
141.3544 43.0621 2026-06-21 Sapporo at the solstice: the longest day
127.6809 26.2124 2026-12-22 Naha at the solstice: the shortest day
135.7681 35.0116 1800-03-15 Kyoto in 1800
130.4017 33.5902 2200-09-10 Fukuoka in 2200
103.8198 0.0 2026-03-20 the equator at the equinox
151.2093 -33.8688 2025-10-05 Sydney: south of the equator
-58.3816 -34.6037 2024-07-15 Buenos Aires: south and west
20.0 70.0 2026-06-21 70 N: midnight sun
20.0 70.0 2026-12-21 70 N: polar night
-21.9 64.1 2026-02-10 Reykjavik: high latitude, west of Greenwich
124.1572 24.3448 2030-05-01 Ishigaki: far south-west of Japan
LIST
}

# Hours after a JST day's start of every event swetest prints, one event per
# line: "<event> <hours>".
events() { # lon lat y m d body-number flags...
  lon=$1 lat=$2 y=$3 m=$4 d=$5 p=$6
  shift 6
  # Start at 0:00 JST, 15:00 UT of the day before; swetest takes -b in its
  # own calendar, Gregorian from 1582 on.
  start=$(awk -v y="$y" -v m="$m" -v d="$d" 'function days(y, m, d) {
      y -= m <= 2; era = int(y / 400); yoe = y - era * 400
      doy = int((153 * (m + (m > 2 ? -3 : 9)) + 2) / 5) + d - 1
      return era * 146097 + yoe * 365 + int(yoe / 4) - int(yoe / 100) + doy }
    BEGIN { print days(y, m, d) }')
  prev=$(awk -v n=$((start - 1)) 'BEGIN {
      z = n; era = int(z / 146097); doe = z - era * 146097
      yoe = int((doe - int(doe / 1460) + int(doe / 36524) - int(doe / 146096)) / 365)
      yy = yoe + era * 400; doy = doe - (365 * yoe + int(yoe / 4) - int(yoe / 100))
      mp = int((5 * doy + 2) / 153); dd = doy - int((153 * mp + 2) / 5) + 1
      mm = mp + (mp < 10 ? 3 : -9); yy += mm <= 2; printf "%d.%d.%d\n", dd, mm, yy }')
  swetest -b"$prev" -t15 -p"$p" "$@" -geopos"$lon,$lat,0" -emos -n3 -head |
    awk -v start="$start" 'function days(y, m, d) {
        y -= m <= 2; era = int(y / 400); yoe = y - era * 400
        doy = int((153 * (m + (m > 2 ? -3 : 9)) + 2) / 5) + d - 1
        return era * 146097 + yoe * 365 + int(yoe / 4) - int(yoe / 100) + doy }
      {
        for (i = 1; i + 2 <= NF; i++) {
          if ($i != "rise" && $i != "set" && $i != "mtransit") continue
          if ($(i + 1) !~ /^[0-9]+\.[0-9]+\.-?[0-9]+$/) continue
          split($(i + 1), dmy, "."); split($(i + 2), hms, ":")
          h = (days(dmy[3], dmy[2], dmy[1]) - start) * 24 + hms[1] + hms[2] / 60 + hms[3] / 3600 + 9
          if (h >= 0 && h < 24) printf "%s %.6f\n", ($i == "mtransit" ? "transit" : $i), h
        }
      }' | sort -u
}

write() {
  printf 'lon\tlat\tdate_jst\tbody\tevent\thours_jst\n'
  cases | while read -r lon lat date why; do
    y=${date%%-*}; md=${date#*-}; m=${md%-*}; d=${md#*-}
    y=$((y + 0)); m=$((1${m} - 100)); d=$((1${d} - 100))
    for body in Sun Moon; do
      if [ $body = Sun ]; then p=0 disc=""; else p=1 disc=-disccenter; fi
      printf '%s\t%s\t%s\t%s\tday\t-\n' "$lon" "$lat" "$date" "$body"
      { events "$lon" "$lat" $y $m $d $p -rise -norefrac $disc
        events "$lon" "$lat" $y $m $d $p -metr; } | sort -k2 -g |
        while read -r event hours; do
          printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$lon" "$lat" "$date" "$body" "$event" "$hours"
        done
    done
  done
}

mkdir -p "$(dirname "$out")"
write >"$out"
echo "wrote $out"
