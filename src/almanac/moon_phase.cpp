// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/moon_phase.hpp"

#include <cmath>

#include "common/constants.hpp"
#include "ephem/moon.hpp"
#include "ephem/planets.hpp"

namespace hz {

namespace {

// The fixed obliquity of ecleq.
constexpr double obliquity = 23.43928 * rd;
// Mean rate of the elongation, radians per century.
constexpr double elongation_rate = 2 * pi / synodic_month_days * 36525;
// Phases are found to this many centuries (0.05 s).
constexpr double phase_tolerance = 0.05 / 86400 / 36525;

// Ecliptic longitude of an equatorial direction: ecleq's rotation undone.
double ecliptic_longitude(double ra, double dc) {
  const double y =
      std::cos(dc) * std::sin(ra) * std::cos(obliquity) + std::sin(dc) * std::sin(obliquity);
  const double x = std::cos(dc) * std::cos(ra);
  return std::atan2(y, x);
}

// An angle reduced to -pi..pi.
double signed_angle(double a) { return a - 2 * pi * std::nearbyint(a / (2 * pi)); }

// The moment near the guess at which the elongation is the target.
double solve_elongation(double target, double guess) {
  auto f = [&](double t) { return signed_angle(elongation(t) - target); };
  // Secant from the guess and one mean-rate step beyond it.
  double t0 = guess;
  double f0 = f(t0);
  double t1 = t0 - f0 / elongation_rate;
  double f1 = f(t1);
  for (int step = 0; step < 20 && f1 != f0; ++step) {
    const double t2 = t1 - f1 * (t1 - t0) / (f1 - f0);
    t0 = t1;
    f0 = f1;
    t1 = t2;
    if (std::fabs(t1 - t0) < phase_tolerance) break;
    f1 = f(t1);
  }
  return t1;
}

}  // namespace

double elongation(double t2000) {
  const MoonPlace m = moon(t2000);
  const Geocentric s = plpl(0, t2000);
  const double e = ecliptic_longitude(m.ra, m.dc) - ecliptic_longitude(s.ra, s.dc);
  return e - 2 * pi * std::floor(e / (2 * pi));
}

double next_phase(MoonPhase q, double t2000) {
  const double target = static_cast<int>(q) * (pi / 2);
  double ahead = target - elongation(t2000);
  ahead = ahead - 2 * pi * std::floor(ahead / (2 * pi));
  double t = solve_elongation(target, t2000 + ahead / elongation_rate);
  // A phase a few seconds before the moment may have been taken for the
  // one just after it: then look a month on.
  if (t < t2000) t = solve_elongation(target, t + 2 * pi / elongation_rate);
  return t;
}

double previous_new_moon(double t2000) {
  const double behind = elongation(t2000);
  double t = solve_elongation(0, t2000 - behind / elongation_rate);
  if (t > t2000) t = solve_elongation(0, t - 2 * pi / elongation_rate);
  return t;
}

double moon_age(double t2000) { return (t2000 - previous_new_moon(t2000)) * 36525; }

double moon_age_tenths(double age) { return std::nearbyint(age * 10) / 10; }

}  // namespace hz
