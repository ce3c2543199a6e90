#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the reference almanac that tests/almanac/almanac_reference_test.cpp
# compares the program's with: rising, setting and transit of the Sun, the
# Moon and the planets, the twilights and the Moon's principal phases, taken
# from Debian's swetest (Swiss Ephemeris, built-in Moshier theory, no files):
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
# Planets: their centres, -disccenter as for the Moon. Twilights (the Sun's
# centre at -6, -12, -18 degrees) and phases (the Moon's longitude minus the
# Sun's at 0, 90, 180, 270 degrees, swetest -d0, apparent places) have no
# swetest command: they are read from swetest's altitudes and elongations a
# minute apart, between which the motion is straight to a tenth of a second.
# Azimuth and altitude of an event are swetest's own at its moment
# (topocentric, no refraction), the azimuth turned to north 0, east 90.
#
# Columns: east longitude and latitude (degrees), the JST date, the body, the
# event (rise, set, transit, rise_35, set_35, civil_dawn ... astronomical_dusk,
# new_moon ... last_quarter; "day" is a marker row present for every body and date, so
# that a day without events is still listed), the time in hours after 0:00
# JST of the date, and the azimuth and altitude in degrees ("-" for phases).
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
141.6731 45.4156 1900-01-08 Wakkanai in 1900: first quarter
130.5581 31.5966 1900-01-16 Kagoshima in 1900: full moon
139.7447 35.6581 1950-09-04 Tokyo in 1950: last quarter late in the evening
136.9066 35.1815 1950-09-12 Nagoya in 1950: new moon
140.7402 40.8244 1900-01-01 Aomori in 1900: new moon late in the evening
-78.4678 -0.1807 2051-03-06 Quito in 2051: last quarter
18.4241 -33.9249 2051-03-19 Cape Town in 2051: first quarter
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

# Julian day (UT) of 0:00 JST of a date.
jd_at_jst_midnight() { # y m d
  awk -v y="$1" -v m="$2" -v d="$3" 'function days(y, m, d) {
      y -= m <= 2; era = int(y / 400); yoe = y - era * 400
      doy = int((153 * (m + (m > 2 ? -3 : 9)) + 2) / 5) + d - 1
      return era * 146097 + yoe * 365 + int(yoe / 4) - int(yoe / 100) + doy }
    BEGIN { printf "%.8f\n", days(y, m, d) + 1721119.5 - 9 / 24 }'
}

# Azimuth (north 0, east 90) and altitude of a body at hours after jd0.
az_alt() { # lon lat jd0 body-number hours
  jd=$(awk -v j="$3" -v h="$5" 'BEGIN { printf "%.8f", j + h / 24 }')
  swetest -j"$jd" -ut -p"$4" -fih -geopos"$1,$2,0" -topo -emos -head -g, |
    awk -F, '{ az = $1 + 180; if (az >= 360) az -= 360; printf "%.4f %.4f\n", az, $2 }'
}

# Crossings of levels by a quantity sampled each minute of the JST day from
# jd0: "<name> <hours> <azimuth> <level>". Twilights: the Sun's altitude
# (column 2, with the azimuth in column 1); phases: the elongation, unwound.
crossings() { # kind lon lat jd0
  if [ "$1" = twilight ]; then
    swetest -j"$4" -ut -p0 -fih -geopos"$2,$3,0" -topo -emos -head -g, -n1441 -s1m
  else
    swetest -j"$4" -ut -p1 -d0 -fl -emos -head -n1441 -s1m | awk '{ print "0," $NF }'
  fi | awk -F, -v kind="$1" '
    function turn(a) { while (a < 0) a += 360; while (a >= 360) a -= 360; return a }
    BEGIN {
      if (kind == "twilight") {
        n = split("-6 -12 -18", level, " "); split("civil nautical astronomical", name, " ")
      } else {
        n = split("0 90 180 270", level, " ")
        split("new_moon first_quarter full_moon last_quarter", name, " ")
      }
    }
    {
      az = $1 + 180; v = $2 + 0
      if (kind == "phase") { v = turn(v); if (NR > 1) { v = pv + turn(v - pv) } }
      if (NR > 1) for (k = 1; k <= n; k++) {
        for (w = -360; w <= 720; w += 360) {
          if (kind == "twilight" && w != 0) continue
          L = level[k] + w
          if ((pv < L) == (v < L)) continue
          f = (L - pv) / (v - pv); h = (NR - 2 + f) / 60
          if (h >= 24) continue
          if (kind == "twilight") {
            ev = name[k] (v > pv ? "_dawn" : "_dusk")
            a = paz + f * (az - paz); if (a >= 360) a -= 360
            printf "%s %.6f %.4f %.4f\n", ev, h, a, L
          } else if (v > pv) {
            printf "%s %.6f - -\n", name[k], h
          }
        }
      }
      pv = v; paz = az
    }'
}

# Rising and setting at the standard horizon, the rules' 35' of refraction
# below the geometric one (the Sun's upper limb: its topocentric
# semi-diameter lower still), read from swetest's altitudes a minute apart as
# the twilights are: "rise_35 <hours> <azimuth> <altitude>", "set_35 ...".
standard_horizon() { # body-number lon lat jd0
  swetest -j"$4" -ut -p"$1" -fih/ -geopos"$2,$3,0" -topo -emos -head -g, -n1441 -s1m |
    awk -F, -v sun=$(($1 == 0)) '
    {
      az = $1 + 180; if (az >= 360) az -= 360
      d = $3; gsub(/[^0-9.]+/, " ", d); split(d, dms, " ")
      level = -35 / 60 - (sun ? (dms[1] + dms[2] / 60 + dms[3] / 3600) / 2 : 0)
      q = $2 - level
      if (NR > 1 && (pq < 0) != (q < 0)) {
        f = -pq / (q - pq); h = (NR - 2 + f) / 60
        a = paz + f * (az - paz); if (a >= 360) a -= 360
        if (h < 24) printf "%s %.6f %.4f %.4f\n", (q > pq ? "rise_35" : "set_35"), h, a, \
          plevel + f * (level - plevel)
      }
      pq = q; paz = az; plevel = level
    }'
}

write() {
  printf 'lon\tlat\tdate_jst\tbody\tevent\thours_jst\taz_deg\talt_deg\n'
  cases | while read -r lon lat date why; do
    y=${date%%-*}; md=${date#*-}; m=${md%-*}; d=${md#*-}
    y=$((y + 0)); m=$((1${m} - 100)); d=$((1${d} - 100))
    jd0=$(jd_at_jst_midnight $y $m $d)
    p=0
    for body in Sun Moon Mercury Venus Mars Jupiter Saturn Uranus Neptune Pluto; do
      if [ $body = Sun ]; then disc=""; else disc=-disccenter; fi
      printf '%s\t%s\t%s\t%s\tday\t-\t-\t-\n' "$lon" "$lat" "$date" "$body"
      { events "$lon" "$lat" $y $m $d $p -rise -norefrac $disc |
          while read -r event hours; do
            echo "$event $hours $(az_alt "$lon" "$lat" "$jd0" $p "$hours")"
          done
        events "$lon" "$lat" $y $m $d $p -metr |
          while read -r event hours; do
            echo "$event $hours $(az_alt "$lon" "$lat" "$jd0" $p "$hours")"
          done
        standard_horizon $p "$lon" "$lat" "$jd0"
        if [ $body = Sun ]; then crossings twilight "$lon" "$lat" "$jd0"; fi
        if [ $body = Moon ]; then crossings phase "$lon" "$lat" "$jd0"; fi
      } | sort -k2 -g |
        while read -r event hours az alt; do
          printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$lon" "$lat" "$date" "$body" "$event" \
            "$hours" "$az" "$alt"
        done
      p=$((p + 1))
    done
  done
}

mkdir -p "$(dirname "$out")"
write >"$out"
echo "wrote $out"
