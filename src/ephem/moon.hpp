// SPDX-License-Identifier: GPL-3.0-or-later
// Geocentric place of the Moon from a small lunar theory.
#pragma once

namespace hz {

// Geocentric equatorial place of the Moon.
struct MoonPlace {
  double ra;     // right ascension, radians, 0..2 pi
  double dc;     // declination, radians
  double r_mon;  // 1 / distance in Earth radii (sine of the horizontal
                 // parallax), about 0.01573..0.01756
};

// Place of the Moon.
//
// Given:    t2000   Julian centuries from J2000.0.
// Returned:         right ascension, declination and reciprocal distance.
// Notes:    a fixed ellipse (60.268 Earth radii, e 0.05488, i 5.13 deg) with
//           linearly moving node, perigee and mean anomaly, plus eight
//           periodic terms. Geocentric: no parallax for the observer.
MoonPlace moon(double t2000);

}  // namespace hz
