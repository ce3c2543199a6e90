// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/planets.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "common/constants.hpp"

namespace hz {
namespace {

// Worked values are quoted to a number of decimals; a result must round to
// the quoted digits: half a unit of the last one.
constexpr double quoted_3 = 5e-4;
constexpr double quoted_5 = 5e-6;
constexpr double quoted_6 = 5e-7;
// The December 2026 sky, read to three decimals: within five units of the last.
constexpr double sky_2026 = 5e-3;
// The Sun's distance and the Earth's radius vector are one value by two paths.
constexpr double same_value = 1e-15;
// Room left around the ellipse's extreme distances, in semi-major axes: the
// distance follows from E, found to |y_f| < 1e-4.
constexpr double ellipse_margin = 1e-3;

TEST(Elp, EarthAtJ2000) {
  const Heliocentric h = elp(3, 0);
  EXPECT_NEAR(h.lon, 1.752075, quoted_6);
  EXPECT_EQ(h.lat, 0);
  EXPECT_NEAR(h.r, 0.983316, quoted_6);
}

TEST(Elp, EarthLatitudeIsExactlyZero) {
  // Inclination and node are zero: sin i sin u is 0 and tri takes c = 0.
  for (int i = -200; i <= 200; ++i) {
    const double t = i * 0.0173;
    EXPECT_EQ(elp(3, t).lat, 0) << "t2000 " << t;
  }
}

// Perihelion passes at every mean anomaly 0: the mean anomaly of the
// moments just before it is negative, and the Earth must still move
// steadily forward (a lost sign would mirror it to after perihelion).
TEST(Elp, EarthMovesForwardThroughPerihelion) {
  const double t0 = (360 - 357.53) / 35999.05;  // mean anomaly 0
  const double hour = 1.0 / 36525 / 24;
  double prev = elp(3, t0 - 240 * hour).lon;
  for (int i = -239; i <= 240; ++i) {
    const double lon = elp(3, t0 + i * hour).lon;
    const double step = lon - prev;
    ASSERT_GT(step, 0.7 * 2 * pi / 365.25 / 24) << "hour " << i;
    ASSERT_LT(step, 1.3 * 2 * pi / 365.25 / 24) << "hour " << i;
    prev = lon;
  }
}

TEST(Elp, RangesForEveryBody) {
  const double a[] = {0, 0.3871, 0.7233, 1.0, 1.5237, 5.2026, 9.5549, 19.218, 30.11, 39.54};
  const double e[] = {0, 0.2056, 0.0068, 0.0167, 0.0934, 0.0485, 0.0555, 0.0463, 0.009, 0.249};
  for (int k = 1; k <= 9; ++k) {
    for (int i = -300; i <= 300; ++i) {
      const double t = i * 0.0331;
      const Heliocentric h = elp(k, t);
      ASSERT_GE(h.lon, 0) << "body " << k << " t " << t;
      ASSERT_LE(h.lon, 2 * pi) << "body " << k << " t " << t;
      ASSERT_LE(std::fabs(h.lat), pi / 2) << "body " << k << " t " << t;
      ASSERT_GE(h.r, a[k] * (1 - e[k]) - ellipse_margin * a[k]) << "body " << k << " t " << t;
      ASSERT_LE(h.r, a[k] * (1 + e[k]) + ellipse_margin * a[k]) << "body " << k << " t " << t;
    }
  }
}

TEST(Elp, BodyNumberRoundsHalfToEven) {
  EXPECT_EQ(elp(2.5, 0.1).lon, elp(2, 0.1).lon) << "2.5 rounds to 2";
  EXPECT_EQ(elp(3.5, 0.1).lon, elp(4, 0.1).lon) << "3.5 rounds to 4";
  EXPECT_EQ(elp(4.6, 0.1).r, elp(5, 0.1).r);
}

TEST(Elp, EmptyRowsAndOutOfRange) {
  EXPECT_EQ(elp(0, 0.2).r, 0) << "row 0 is empty";
  EXPECT_EQ(elp(10, 0.2).r, 0) << "row 10 is empty";
  EXPECT_EQ(elp(10.5, 0.2).r, 0) << "10.5 rounds to 10";
  EXPECT_EQ(elp(-0.5, 0.2).r, 0) << "-0.5 rounds to 0";
  EXPECT_THROW(elp(11, 0), std::out_of_range);
  EXPECT_THROW(elp(-1, 0), std::out_of_range);
  EXPECT_THROW(elp(-0.6, 0), std::out_of_range);
  EXPECT_THROW(elp(std::numeric_limits<double>::quiet_NaN(), 0), std::out_of_range);
  EXPECT_THROW(plpl(12, 0), std::out_of_range);
}

TEST(Plpl, SunAtJ2000) {
  const Geocentric s = plpl(0, 0);
  EXPECT_NEAR(s.ra, 4.90957, quoted_5);
  EXPECT_NEAR(s.dc, -0.40200, quoted_5);
  EXPECT_NEAR(s.d, 0.983316, quoted_6);
  EXPECT_NEAR(s.ra / (15 * rd), 18.753, quoted_3) << "hours";
  EXPECT_NEAR(s.dc / rd, -23.033, quoted_3) << "degrees";
}

TEST(Plpl, SunDistanceIsEarthRadius) {
  for (int i = -100; i <= 100; ++i) {
    const double t = i * 0.0279;
    EXPECT_NEAR(plpl(0, t).d, elp(3, t).r, same_value) << "t2000 " << t;
  }
}

TEST(Plpl, EarthGivesZeroVector) {
  for (double t : {0.0, 0.2693, -3.5, 12.0}) {
    const Geocentric g = plpl(3, t);
    EXPECT_EQ(g.ra, 3 * pi / 2) << "t2000 " << t;
    EXPECT_EQ(g.dc, 0) << "t2000 " << t;
    EXPECT_EQ(g.d, 0) << "t2000 " << t;
  }
}

// December 2026, checked against the sky: Saturn in Pisces near 0.5 h,
// Jupiter near 10 h, Neptune near 0.1 h, Uranus in Taurus near 4.2 h.
TEST(Plpl, OuterPlanetsInDecember2026) {
  const struct {
    int k;
    double ra_h, d;
  } cases[] = {{5, 9.965, 4.946}, {6, 0.548, 9.004}, {7, 4.151, 18.495}, {8, 0.098, 29.626}};
  for (const auto& c : cases) {
    const Geocentric g = plpl(c.k, 0.2693);
    EXPECT_NEAR(g.ra / (15 * rd), c.ra_h, sky_2026) << "body " << c.k;
    EXPECT_NEAR(g.d, c.d, sky_2026) << "body " << c.k;
  }
}

}  // namespace
}  // namespace hz
