// SPDX-License-Identifier: GPL-3.0-or-later
// Heliocentric and geocentric places of the Sun and the planets from mean
// orbital elements that change linearly with time.
#pragma once

namespace hz {

// Heliocentric ecliptic place.
struct Heliocentric {
  double lon;  // longitude, radians, normally 0..2 pi
  double lat;  // latitude, radians
  double r;    // distance, AU
};

// Heliocentric place of a body.
//
// Given:    k       body number 1..9 (1 Mercury .. 3 Earth .. 9 Pluto),
//                   rounded to the nearest whole number, halves to even;
//                   0 and 10 are empty rows (all elements zero).
//           t2000   Julian centuries from J2000.0.
// Returned:         longitude, latitude and distance.
// Notes:    throws std::out_of_range when k rounds outside 0..10 or is not
//           finite. Node and perihelion are not reduced; the longitude gets
//           one correction each way into 0..2 pi, so exactly 2 pi can stay.
Heliocentric elp(double k, double t2000);

// Geocentric equatorial place.
struct Geocentric {
  double ra;  // right ascension, radians, 0..2 pi
  double dc;  // declination, radians
  double d;   // distance from the Earth, AU
};

// Geocentric place of the Sun or a planet.
//
// Given:    k_pl    body number: 0 the Sun, 1..9 as for elp.
//           t2000   Julian centuries from J2000.0.
// Returned:         right ascension, declination (ecliptic and equator
//                   of the fixed obliquity 23.43928 deg) and distance.
// Notes:    no light time, aberration or nutation. The Earth (3) gives
//           the zero vector: ra = 3 pi/2, dc = 0, d = 0. Throws as elp.
Geocentric plpl(double k_pl, double t2000);

}  // namespace hz
