// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/horizon.hpp"

#include <cmath>

#include "common/constants.hpp"
#include "common/tri.hpp"
#include "time/sidereal.hpp"

namespace hz {

Horizon altaz(double ra, double dc, double lat, double lon, double t2000, double ut) {
  // Hour angle, not reduced: only its sine and cosine are used.
  const double h = local_sidereal_angle(lon, t2000, ut) - ra;

  // Local frame: east, north, zenith.
  const double x = -std::cos(dc) * std::sin(h);
  const double y = std::sin(dc) * std::cos(lat) - std::sin(lat) * std::cos(dc) * std::cos(h);
  const double z = std::sin(lat) * std::sin(dc) + std::cos(lat) * std::cos(dc) * std::cos(h);

  const Polar dp = tri(x, y, z);
  return {pi / 2 - dp.d, dp.p};
}

}  // namespace hz
