// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/horizon.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "common/constants.hpp"
#include "time/sidereal.hpp"

namespace hz {
namespace {

constexpr double t_case = 0.2693258042436687;  // 2026-12-07 15:00 UT
constexpr double ut_case = 15;

// Right ascension that puts an object at hour angle h for the case moment,
// formed like the hour angle itself so that h = 0 comes out exactly.
double ra_at_hour_angle(double lon, double h) { return lon + 15 * grn(t_case, ut_case) * rd - h; }

TEST(Altaz, WorkedValue) {
  const Horizon h = altaz(6.7522 * 15 * rd, -16.7241 * rd, 35 * rd, 135 * rd, t_case, ut_case);
  EXPECT_NEAR(h.alt, 0.5783197287, 5e-11);
  EXPECT_NEAR(h.az, 2.6395239892, 5e-11);
}

TEST(Altaz, ZenithGivesHalfPiAndWestAzimuth) {
  const double lat = 0.6, lon = 2.1;
  const Horizon h = altaz(ra_at_hour_angle(lon, 0), lat, lat, lon, t_case, ut_case);
  EXPECT_EQ(h.alt, pi / 2);
  EXPECT_EQ(h.az, 3 * pi / 2) << "x = y = 0 takes the b = 0 branch of tri";
}

TEST(Altaz, RisingAndSettingOnTheEquator) {
  const double lon = -0.4;
  const Horizon rise = altaz(ra_at_hour_angle(lon, -pi / 2), 0, 0, lon, t_case, ut_case);
  EXPECT_NEAR(rise.alt, 0, 1e-14);
  EXPECT_EQ(rise.az, pi / 2) << "east";
  const Horizon set = altaz(ra_at_hour_angle(lon, pi / 2), 0, 0, lon, t_case, ut_case);
  EXPECT_NEAR(set.alt, 0, 1e-14);
  EXPECT_EQ(set.az, 3 * pi / 2) << "west";
}

TEST(Altaz, CelestialPoleAtObserversLatitude) {
  for (double ra : {0.0, 1.0, 3.0, 5.5}) {
    const Horizon h = altaz(ra, pi / 2, 35 * rd, 135 * rd, t_case, ut_case);
    EXPECT_NEAR(h.alt, 35 * rd, 1e-12) << "ra " << ra;
    EXPECT_TRUE(h.az < 1e-12 || h.az > 2 * pi - 1e-12) << "north expected, az " << h.az;
    EXPECT_GE(h.az, 0);
    EXPECT_LE(h.az, 2 * pi);
  }
}

// At hour angle 0, z = sin lat sin dc + cos lat cos dc = cos(lat - dc), zero
// for dc = lat - pi/2 (the southern horizon). Search for a latitude and
// declination at which the two rounded products cancel exactly: the
// altitude must then be exactly 0 (the z = 0 branch), not the tiny value
// that atan(r / 0) with a pi other than the program's would give.
TEST(Altaz, ExactlyOnTheHorizon) {
  double lat = 0, dc = 0;
  bool found = false;
  for (int k = 1; k < 1500 && !found; ++k) {
    lat = 0.001 * k;
    dc = lat - pi / 2;
    for (int j = 0; j < 64; ++j) dc = std::nextafter(dc, -2.0);
    for (int j = 0; j < 128 && !found; ++j) {
      found = std::sin(lat) * std::sin(dc) + std::cos(lat) * std::cos(dc) * 1.0 == 0;
      if (!found) dc = std::nextafter(dc, 0.0);
    }
  }
  ASSERT_TRUE(found) << "no latitude and declination with z exactly 0";
  const Horizon h = altaz(ra_at_hour_angle(0.3, 0), dc, lat, 0.3, t_case, ut_case);
  EXPECT_EQ(h.alt, 0) << "lat " << lat << " dc " << dc;
  EXPECT_EQ(h.az, pi) << "due south";
}

TEST(Altaz, RangesOverTheSky) {
  for (int i = 0; i < 2000; ++i) {
    const double ra = 0.0031 * i * 7, dc = std::asin(-1 + i / 1000.0);
    const Horizon h = altaz(ra, dc, -0.5, 2.0, -1.3 + i * 0.001, 7.0);
    ASSERT_GE(h.alt, -pi / 2);
    ASSERT_LE(h.alt, pi / 2);
    ASSERT_GE(h.az, 0);
    ASSERT_LE(h.az, 2 * pi);
  }
}

}  // namespace
}  // namespace hz
