// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/projection.hpp"

#include <cmath>

#include "common/constants.hpp"
#include "common/tri.hpp"

namespace hz {

Projected prj(double ss, double sl, double x0, double y0, double scl, double alt, double az) {
  const double dl = az - sl;
  // The object's unit vector in the frame of the line of sight: u toward the
  // zenith, v toward increasing azimuth, w along the line of sight (cos d).
  const double u = std::sin(alt) * std::cos(ss) - std::sin(ss) * std::cos(alt) * std::cos(dl);
  const double v = std::cos(alt) * std::sin(dl);
  const double w = std::sin(alt) * std::sin(ss) + std::cos(ss) * std::cos(alt) * std::cos(dl);
  const Polar t = tri(u, v, w);
  // Distance from the centre proportional to the angle in degrees.
  const double rho = scl * t.d / rd;
  return {x0 + rho * std::cos(t.p), y0 - rho * std::sin(t.p), t.d};
}

}  // namespace hz
