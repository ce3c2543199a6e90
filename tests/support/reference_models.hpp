// SPDX-License-Identifier: GPL-3.0-or-later
// Outside models the program's sky is measured against: the rigorous IAU 1976
// precession, the angular separation of two directions and the IAU 1982
// sidereal time. Written once here, for the reference tests and for
// tools/accuracy_table.cpp; none of them is used by the program itself.
#pragma once

#include <cmath>

#include "common/constants.hpp"

namespace hz::reference {

constexpr double arcsec = rd / 3600;

// A direction on the sky.
struct Place {
  double ra;  // right ascension, radians
  double dc;  // declination, radians
};

// Rigorous precession of a mean place from J2000.0.
//
// Given:    p   mean place for the equator and equinox of J2000.0
//           t   Julian centuries from J2000.0 to the epoch
// Returned:     the mean place for the equator and equinox of the epoch.
// Notes:    the IAU 1976 angles zeta, z and theta (Lieske et al. 1977, A&A
//           58, 1, with the starting epoch J2000.0) and the rotation
//           by them; no proper motion.
inline Place precess_iau1976(Place p, double t) {
  const double zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t * t * t) * arcsec;
  const double z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t * t * t) * arcsec;
  const double theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t * t * t) * arcsec;
  const double a = std::cos(p.dc) * std::sin(p.ra + zeta);
  const double b =
      std::cos(theta) * std::cos(p.dc) * std::cos(p.ra + zeta) - std::sin(theta) * std::sin(p.dc);
  const double c =
      std::sin(theta) * std::cos(p.dc) * std::cos(p.ra + zeta) + std::cos(theta) * std::sin(p.dc);
  return {std::atan2(a, b) + z, std::asin(c)};
}

// Angle between two directions.
//
// Given:    ra1, dc1, ra2, dc2   right ascensions and declinations, radians
// Returned:                      the angle between them, radians, 0..pi.
// Notes:    atan2 of the norms of the cross and dot products of the unit
//           vectors (the form of ERFA's eraSepp): exact for small angles,
//           where the arccosine of the dot product loses half its digits.
inline double separation(double ra1, double dc1, double ra2, double dc2) {
  const double ax = std::cos(dc1) * std::cos(ra1), ay = std::cos(dc1) * std::sin(ra1);
  const double az = std::sin(dc1);
  const double bx = std::cos(dc2) * std::cos(ra2), by = std::cos(dc2) * std::sin(ra2);
  const double bz = std::sin(dc2);
  const double cx = ay * bz - az * by, cy = az * bx - ax * bz, cz = ax * by - ay * bx;
  return std::atan2(std::sqrt(cx * cx + cy * cy + cz * cz), ax * bx + ay * by + az * bz);
}

inline double separation(Place p, Place q) { return separation(p.ra, p.dc, q.ra, q.dc); }

// Mean sidereal time at Greenwich.
//
// Given:    t   Julian centuries of UT1 from J2000.0, the time of day included
// Returned:     mean sidereal time, seconds of time, not reduced to a day.
// Notes:    the IAU 1982 expression (Aoki et al. 1982, A&A 105, 359); since
//           t includes the time of day, the rate per century is the 876600
//           hours of a Julian century plus the expression's 8640184.812866 s.
inline double gmst_iau1982_s(double t) {
  return 67310.54841 + (876600.0 * 3600 + 8640184.812866) * t + 0.093104 * t * t -
         6.2e-6 * t * t * t;
}

// Equation of the equinoxes, leading term.
//
// Given:    t   Julian centuries from J2000.0
// Returned:     apparent minus mean sidereal time, seconds of time.
// Notes:    dpsi cos(eps) / 15 with only the largest term of the IAU 1980
//           nutation in longitude, dpsi = -17.1996" sin(node), the node of the
//           Moon's mean orbit, and the mean obliquity of J2000.0; good to
//           about 0.1 s.
inline double equation_of_equinoxes_s(double t) {
  const double node = (125.04452 - 1934.136261 * t) * rd;
  return -17.1996 * std::sin(node) * std::cos(23.4393 * rd) / 15;
}

}  // namespace hz::reference
