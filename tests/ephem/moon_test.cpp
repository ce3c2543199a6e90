// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/moon.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "common/constants.hpp"

namespace hz {
namespace {

constexpr double minute = 1.0 / 36525 / 1440;

// Worked values are quoted to a number of decimals; a result must round to
// the quoted digits: half a unit of the last one.
constexpr double quoted_3 = 5e-4;
constexpr double quoted_4 = 5e-5;
constexpr double quoted_5 = 5e-6;
constexpr double quoted_7 = 5e-8;
// Room left around the ellipse's extreme reciprocal distances, per Earth
// radius: the distance follows from E, found only to Kepler's tolerance.
constexpr double ellipse_margin = 1e-7;

TEST(Moon, AtJ2000) {
  const MoonPlace m = moon(0);
  EXPECT_NEAR(m.ra, 3.88237, quoted_5);
  EXPECT_NEAR(m.dc, -0.19031, quoted_5);
  EXPECT_NEAR(m.r_mon, 0.0159440, quoted_7);
  EXPECT_NEAR(1 / m.r_mon, 62.7194, quoted_4) << "Earth radii";
  EXPECT_NEAR(m.ra / (15 * rd), 14.8296, quoted_4) << "hours";
  EXPECT_NEAR(m.dc / rd, -10.904, quoted_3) << "degrees";

  // Back to the ecliptic with the same obliquity: the Moon's own longitude
  // and latitude.
  const double eps = 23.43928 * rd;
  const double x = std::cos(m.dc) * std::cos(m.ra), y = std::cos(m.dc) * std::sin(m.ra),
               z = std::sin(m.dc);
  const double lam = std::atan2(y * std::cos(eps) + z * std::sin(eps), x) / rd + 360;
  const double beta = std::asin(z * std::cos(eps) - y * std::sin(eps)) / rd;
  EXPECT_NEAR(lam, 223.3164, quoted_4);
  EXPECT_NEAR(beta, 5.1663, quoted_4);
}

// Around a perigee passage the corrected mean anomaly runs through small
// negative values (the corrections reach 0.043 rad, about 4.5 h of motion, so
// +-5 h around the mean passage covers the crossing). The Moon must keep
// moving east minute by minute; a lost sign of E would put it after perigee
// and make it run back west.
TEST(Moon, MovesEastThroughNegativeMeanAnomaly) {
  const double t0 = (360 * 358 - 134.963) / 477198.868;  // mean anomaly 0 in late 2026
  double prev = moon(t0 - 300 * minute).ra;
  for (int i = -299; i <= 300; ++i) {
    const double ra = moon(t0 + i * minute).ra;
    double step = ra - prev;
    if (step < -pi) step = step + 2 * pi;  // through 0 h
    // Perigee motion: 15 deg/day and more, in right ascension roughly
    // 0.005..0.02 deg per minute.
    ASSERT_GT(step, 0.003 * rd) << "minute " << i;
    ASSERT_LT(step, 0.03 * rd) << "minute " << i;
    prev = ra;
  }
}

// Over four centuries in 7.3-day steps, every phase of the mean elements and
// every periodic term is met: the distance stays on the ellipse and the
// angles in their ranges.
TEST(Moon, RangesOverCenturies) {
  for (int i = 0; i <= 20000; ++i) {
    const double t = -2.0 + i * 0.0002;
    const MoonPlace m = moon(t);
    ASSERT_GE(m.r_mon, 1 / (60.268 * (1 + 0.05488)) - ellipse_margin) << "t2000 " << t;
    ASSERT_LE(m.r_mon, 1 / (60.268 * (1 - 0.05488)) + ellipse_margin) << "t2000 " << t;
    ASSERT_GE(m.ra, 0) << "t2000 " << t;
    ASSERT_LE(m.ra, 2 * pi) << "t2000 " << t;
    // Obliquity plus inclination plus the latitude term.
    ASSERT_LE(std::fabs(m.dc), (23.44 + 5.13 + 0.15) * rd) << "t2000 " << t;
  }
}

}  // namespace
}  // namespace hz
