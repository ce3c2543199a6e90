// SPDX-License-Identifier: GPL-3.0-or-later
#include "constellation/constellation_at.hpp"

#include <cmath>
#include <cstddef>

#include "common/constants.hpp"
#include "constellation/boundary_table.hpp"

namespace hz {

namespace {

// x reduced to 0 <= x < 360.
double wrap360(double x) {
  double r = std::fmod(x, 360.0);
  if (r < 0) r += 360;
  return r >= 360 ? 0.0 : r;
}

// Whether the polygon holds the B1875.0 direction (ra, dec), degrees. The
// hour circle through it, followed north to the pole, crosses the border
// an odd number of times from inside a region that does not hold the pole.
bool holds(const BoundaryPolygon& poly, double ra, double dec) {
  bool inside = poly.north_pole;
  for (std::size_t k = 0; k < poly.count; ++k) {
    const B1875Vertex& a = boundary_vertices[poly.first + k];
    const B1875Vertex& b = boundary_vertices[poly.first + (k + 1) % poly.count];
    const double step = wrap360(b.ra_deg - a.ra_deg + 180) - 180;  // the short way
    if (step == 0) continue;  // an hour circle: never crossed by another
    // The edge covers right ascensions [west, west + span), so a vertex on
    // the hour circle is counted once.
    const B1875Vertex& west = step > 0 ? a : b;
    const B1875Vertex& east = step > 0 ? b : a;
    // Both measured from west alike, so the east end is never inside.
    const double span = wrap360(east.ra_deg - west.ra_deg);
    const double u = wrap360(ra - west.ra_deg);
    if (u >= span) continue;
    const double dec_edge = west.dec_deg + (east.dec_deg - west.dec_deg) * (u / span);
    if (dec_edge > dec) inside = !inside;
  }
  return inside;
}

}  // namespace

std::optional<int> constellation_at(double ra_h, double dec_deg) {
  // Unit vector, J2000.0, then B1875.0.
  const double a = ra_h * 15 * rd;
  const double d = dec_deg * rd;
  const double v[3] = {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
  double w[3];
  for (int i = 0; i < 3; ++i) {
    w[i] = j2000_to_b1875[i][0] * v[0] + j2000_to_b1875[i][1] * v[1] + j2000_to_b1875[i][2] * v[2];
  }
  const double ra = wrap360(std::atan2(w[1], w[0]) / rd);
  const double dec = std::atan2(w[2], std::hypot(w[0], w[1])) / rd;

  for (const BoundaryPolygon& poly : boundary_polygons) {
    if (holds(poly, ra, dec)) return poly.constellation;
  }
  return std::nullopt;
}

}  // namespace hz
