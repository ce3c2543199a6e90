// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/sky_rotation.hpp"

#include <cmath>

#include "common/constants.hpp"
#include "common/tri.hpp"

namespace hz {

Vec3 equatorial_vector(double ra_h, double dec_deg) {
  const double a = ra_h * 15 * rd;
  const double d = dec_deg * rd;
  return {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
}

SkyRotation::SkyRotation(double theta, double lat, double ss, double sl) {
  const double ct = std::cos(theta), st = std::sin(theta);
  const double cl = std::cos(lat), sla = std::sin(lat);
  // altaz's east, north and zenith, with cos(dc) cos(h) = ct x + st y and
  // cos(dc) sin(h) = st x - ct y.
  const double h[3][3] = {{-st, ct, 0}, {-sla * ct, -sla * st, cl}, {cl * ct, cl * st, sla}};
  // prj's u, v, w from east, north and zenith.
  const double cs = std::cos(ss), sn = std::sin(ss), cz = std::cos(sl), sz = std::sin(sl);
  const double v[3][3] = {{-sn * sz, -sn * cz, cs}, {cz, -sz, 0}, {cs * sz, cs * cz, sn}};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      h_[i][j] = h[i][j];
      m_[i][j] = v[i][0] * h[0][j] + v[i][1] * h[1][j] + v[i][2] * h[2][j];
    }
  }
}

Vec3 SkyRotation::equator_of_view(const Vec3& p) const {
  // A rotation's inverse is its transpose.
  return {m_[0][0] * p.x + m_[1][0] * p.y + m_[2][0] * p.z,
          m_[0][1] * p.x + m_[1][1] * p.y + m_[2][1] * p.z,
          m_[0][2] * p.x + m_[1][2] * p.y + m_[2][2] * p.z};
}

std::optional<Vec3> unproject(double xp, double yp, double x0, double y0, double scl) {
  const double dx = xp - x0, dy = y0 - yp;
  const double rho = std::sqrt(dx * dx + dy * dy);
  const double d = rho / scl * rd;
  if (!(d <= pi)) return std::nullopt;
  if (rho == 0) return Vec3{0, 0, 1};
  const double s = std::sin(d);
  return Vec3{s * (dy / rho), s * (dx / rho), std::cos(d)};
}

Horizon alt_az_of(const Vec3& enz) {
  const Polar dp = tri(enz.x, enz.y, enz.z);
  return {pi / 2 - dp.d, dp.p};
}

}  // namespace hz
