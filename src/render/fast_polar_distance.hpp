// SPDX-License-Identifier: GPL-3.0-or-later
// A quick polar distance for the dome's grid nodes, where the library's atan
// and the divisions around it were the largest cost of drawing a view afresh.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>

#include "common/constants.hpp"

namespace hz {

// Largest difference, radians, between fast_polar_distance and the polar
// distance tri gives for the same vector: the series below stops at z^9,
// whose next term is at most (1/16)^11 / 11 = 5.2e-15; rounding and the
// program's pi (3.2e-15 below pi) add less than 5e-15 more.
constexpr double fast_polar_distance_error = 2e-14;

// atan(lo / hi) for 0 <= lo <= hi, in two parts: atan(c) + atan(z), with c
// = eighths / 8 the multiple of 1/8 nearest lo / hi and z = (lo - c hi) /
// (hi + c lo), |z| <= 1/16, whose atan is taken by five terms of its series.
// Branch-free and without a table, so that a loop over many nodes can run
// several at once; atan_of_parts adds the table's atan(c).
struct AtanParts {
  double eighths;  // 0..8, a whole number
  double series;   // atan(z)
};
inline AtanParts atan_parts(double lo, double hi) {
  double eighths = 0;
  for (int j = 0; j < 8; ++j) eighths += 16 * lo > (2 * j + 1) * hi ? 1.0 : 0.0;
  const double c = eighths * 0.125;
  const double z = (lo - c * hi) / (hi + c * lo);
  const double z2 = z * z;
  return {eighths, z + z * z2 * (-1.0 / 3 + z2 * (1.0 / 5 + z2 * (-1.0 / 7 + z2 * (1.0 / 9))))};
}
inline double atan_of_parts(const AtanParts& parts) {
  static const std::array<double, 9> atan_eighths = [] {
    std::array<double, 9> t{};
    for (int k = 0; k <= 8; ++k) t[k] = std::atan(k / 8.0);
    return t;
  }();
  return atan_eighths[static_cast<int>(parts.eighths)] + parts.series;
}

// The angle between (q, w) and the positive w axis, radians, 0 <= d <= pi,
// for q >= 0: tri's polar distance of a vector whose distance from the polar
// axis is q and whose polar component is w, from atan(a) for a = min / max
// of q and |w|. Not a number for the zero vector and for some that are not
// finite.
inline double polar_distance_of_parts(double q, double w, const AtanParts& parts) {
  double t = atan_of_parts(parts);
  if (q > std::fabs(w)) t = pi / 2 - t;
  return w < 0 ? pi - t : t;
}
inline double fast_polar_distance(double q, double w) {
  const double aw = std::fabs(w);
  return polar_distance_of_parts(q, w, atan_parts(std::min(q, aw), std::max(q, aw)));
}

}  // namespace hz
