// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/moon.hpp"

#include <array>
#include <cmath>

#include "common/constants.hpp"
#include "ephem/ecliptic.hpp"
#include "ephem/orbit.hpp"

namespace hz {

namespace {

constexpr double a_mon = 60.268;  // Earth radii
constexpr double e_mon = 0.05488;
constexpr double i_mon = 5.13 * rd;

// Mean elements at J2000.0 (deg) and their rates (deg/cy), rows 1..5: node,
// argument of perigee, mean anomaly, mean elongation, Sun's mean anomaly.
constexpr std::array<double, 6> el0_mon = {0, 125.045, 318.309, 134.963, 297.85, 357.529};
constexpr std::array<double, 6> rate_mon = {0,          -1934.136,  6003.15,
                                            477198.868, 445267.112, 35999.05};

}  // namespace

MoonPlace moon(double t2000) {
  std::array<double, 6> el_mon{};
  for (int j = 1; j <= 5; ++j) {
    double v = t2000 * rate_mon[j] + el0_mon[j];
    v = v - 360 * std::floor(v / 360);
    el_mon[j] = rd * v;
  }
  const double node = el_mon[1];
  double omega = el_mon[2];
  double m = el_mon[3];
  const double d = el_mon[4];
  const double ms = el_mon[5];

  // Both sines with the uncorrected M.
  m = m + 0.01026 * std::sin(2 * d) + 0.0216 * std::sin(2 * d - m);
  m = m - 0.01124 * std::sin(ms);
  // The corrections can take M just below 0; then E is found for |M| and
  // negated.
  if (m > pi) m = m - 2 * pi;

  omega = omega + 0.00801 * std::sin(ms);

  const OrbitPoint o = orbit_point(a_mon, e_mon, m, i_mon, omega);
  double beta = pi / 2 - o.dir.d;
  double lambda = node + o.dir.p;

  lambda = lambda - 0.00061 * std::sin(d) + 0.0008 * std::sin(2 * d - ms);
  lambda = lambda + 0.001 * std::sin(2 * d - m - ms);
  if (lambda < 0) lambda = lambda + 2 * pi;
  if (lambda > 2 * pi) lambda = lambda - 2 * pi;

  beta = beta + 0.0025 * std::sin(2 * d - omega - m);

  const double r_mon = 1 / o.r;
  const Equatorial eq = ecleq(1, std::cos(beta) * std::cos(lambda) * r_mon,
                              std::cos(beta) * std::sin(lambda) * r_mon, std::sin(beta) * r_mon, 0);
  return {eq.ra, eq.dc, r_mon};
}

}  // namespace hz
