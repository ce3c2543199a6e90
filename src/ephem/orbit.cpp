// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/orbit.hpp"

#include <cmath>

#include "common/constants.hpp"
#include "ephem/kepler.hpp"

namespace hz {

OrbitPoint orbit_point(double a, double e_kep, double m_kep, double incl, double omega) {
  double ea = root(0, pi, 0.0001, e_kep, m_kep);
  if (m_kep < 0) ea = -ea;

  // Orbital plane, pericentre on the first axis.
  double x = a * (std::cos(ea) - e_kep);
  const double y = a * std::sqrt(1 - e_kep * e_kep) * std::sin(ea);
  const double r = std::sqrt(x * x + y * y);

  // Keeps y / x finite; r is already taken.
  if (std::fabs(x) < 0.00001) x = 0.00001;
  double nu = std::atan(y / x);
  if (x < 0) nu = nu + pi;

  const double u = nu + omega;  // argument of latitude
  return {r, tri(std::cos(incl) * std::sin(u), std::cos(u), std::sin(incl) * std::sin(u))};
}

}  // namespace hz
