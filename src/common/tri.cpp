// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/tri.hpp"

#include <cmath>

#include "common/constants.hpp"

namespace hz {

Polar tri(double a, double b, double c) {
  const double r = std::sqrt(a * a + b * b);

  // Polar distance, resolved into 0..pi by the sign of c.
  double d = pi / 2;
  if (c != 0) {
    d = std::atan(r / c);
    if (c < 0) d = d + pi;
  }

  // Azimuth from the b axis toward the a axis, resolved into 0..2 pi.
  double p;
  if (b != 0) {
    p = std::atan(a / b);
    if (b < 0) p = p + pi;
    if (p < 0) p = p + 2 * pi;
  } else {
    p = a > 0 ? pi / 2 : 3 * pi / 2;
  }
  return {d, p};
}

}  // namespace hz
