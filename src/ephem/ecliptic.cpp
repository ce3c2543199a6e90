// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/ecliptic.hpp"

#include <cmath>

#include "common/constants.hpp"
#include "common/tri.hpp"

namespace hz {

Equatorial ecleq(int xyz, double a1, double a2, double a3, double deps) {
  const double eps = 23.43928 * rd + deps;
  const double se = std::sin(eps);
  const double ce = std::cos(eps);

  double x = a1, y = a2, z = a3;
  if (xyz == 0) {
    x = std::cos(a2) * std::cos(a1);
    y = std::cos(a2) * std::sin(a1);
    z = std::sin(a2);
  }

  // Rotation about the equinox axis.
  const double yq = y * ce - z * se;
  const double zq = y * se + z * ce;

  // The right ascension is measured from the equinox (x) toward y, so y is
  // the sine side of tri.
  const Polar dp = tri(yq, x, zq);
  return {dp.p, pi / 2 - dp.d};
}

}  // namespace hz
