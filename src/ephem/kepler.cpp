// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/kepler.hpp"

#include <cmath>
#include <limits>

namespace hz {

namespace {
// Twice the longest search any eccentricity below 1 needs on [0, pi] with
// tolerance 1e-4, so the cap never cuts short a search that would finish.
constexpr int max_steps = 1000;
}  // namespace

double y_f(double x, double e_kep, double m_kep) {
  return x - e_kep * std::sin(x) - std::fabs(m_kep);
}

double root(double x1, double x2, double e, double e_kep, double m_kep) {
  double y1 = y_f(x1, e_kep, m_kep);
  double y2 = y_f(x2, e_kep, m_kep);
  for (int step = 0; step < max_steps; ++step) {
    const double x = x1 - (x2 - x1) * y1 / (y2 - y1);
    const double y = y_f(x, e_kep, m_kep);
    if (std::fabs(y) < e) return x;
    if (!std::isfinite(x) || !std::isfinite(y)) break;
    // Keep the end on the other side of the zero from x.
    if (y * y2 <= 0) {
      x1 = x;
      y1 = y;
    } else {
      x2 = x;
      y2 = y;
    }
  }
  return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace hz
