// SPDX-License-Identifier: GPL-3.0-or-later
// The star table's precession of one place, shared by the built-in 300 and
// every other star or point carried with them.
#pragma once

#include <cmath>

#include "common/constants.hpp"

namespace hz {

struct EquatorialPlace {
  double ra_h;     // right ascension, hours, not reduced
  double dec_deg;  // declination, degrees, not clamped
};

// Carries a J2000.0 place to the mean equator and equinox of an epoch.
//
// Given:     ra_h, dec_deg  J2000.0 place, hours and degrees
//            y              years from J2000.0 (100 t2000)
// Returned:  the place of the epoch
// Notes:     annual precession m = 3.07491 s, n = 1.33622 s of time per
//            year, applied in two passes: the rates are evaluated again at
//            the mid-point of the first-pass motion and applied once from
//            the J2000.0 place.
inline EquatorialPlace precess_place(double ra_h, double dec_deg, double y) {
  const double m = 3.07491 / 3600;  // hours per year
  const double n = 1.33622 / 3600;  // hours per year
  const double a0 = ra_h;
  const double d0 = dec_deg;
  // First pass, rates at the J2000.0 place.
  const double a1 = a0 + y * (m + n * std::sin(a0 * 15 * rd) * std::tan(d0 * rd));
  const double d1 = d0 + y * 15 * n * std::cos(a0 * 15 * rd);
  // Second pass, rates at the mid-point, applied from the J2000.0 place.
  const double am = (a0 + a1) / 2;
  const double dm = (d0 + d1) / 2;
  return {a0 + y * (m + n * std::sin(am * 15 * rd) * std::tan(dm * rd)),
          d0 + y * 15 * n * std::cos(am * 15 * rd)};
}

}  // namespace hz
