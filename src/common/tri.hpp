// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace hz {

// Polar distance and azimuth of a Cartesian triple (a, b, c).
//
// Given:   a, b, c   components; a is the sine side, b the cosine side and c
//                    the polar axis.
// Returned d         angle between (a, b, c) and the positive c axis,
//                    radians, 0 <= d <= pi.
//          p         angle in the (a, b) plane from the positive b axis toward
//                    the positive a axis, radians, 0 <= p < 2 pi (rounding may
//                    give exactly 2 pi for a tiny negative a).
// Notes:   the zero vector gives d = pi/2, p = 3 pi/2. Both divisions are
//          guarded, so finite input always gives finite output.
struct Polar {
  double d;
  double p;
};
Polar tri(double a, double b, double c);

}  // namespace hz
