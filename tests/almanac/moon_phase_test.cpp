// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon's phases and age: each phase found where the elongation is its
// multiple of 90 deg, in the month that follows the moment asked, and the age
// counted from the new moon before it.
#include "almanac/moon_phase.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "almanac/almanac_day.hpp"
#include "common/constants.hpp"

namespace hz {
namespace {

constexpr double day = 1.0 / 36525;  // centuries
// The elongation moves 0.5" a second: a phase found to a second lies this
// close to its multiple of 90 deg (radians), with room for the theory's steps.
constexpr double elongation_tolerance = 30.0 / 3600 * rd;

TEST(MoonPhase, EachPhaseIsTheFirstAfterTheMomentAndWhereItsElongationSays) {
  // Moments from 1800 to 2200, each at another point of the month.
  const double moments[] = {-2.0, -1.234567, -0.5, 0, 0.06, 0.2693258, 0.777, 1.5, 2.0};
  for (double t : moments) {
    SCOPED_TRACE(t);
    for (int q = 0; q < 4; ++q) {
      const double p = next_phase(static_cast<MoonPhase>(q), t);
      EXPECT_GE(p, t) << q;
      EXPECT_LT(p - t, 29.9 * day) << q;  // the longest synodic month is 29.8 days
      double miss = elongation(p) - q * (pi / 2);
      miss -= 2 * pi * std::nearbyint(miss / (2 * pi));
      EXPECT_LT(std::fabs(miss), elongation_tolerance) << q;
    }
    const double n = previous_new_moon(t);
    EXPECT_LE(n, t);
    EXPECT_GT(n, t - 29.9 * day);
    EXPECT_NEAR(next_phase(MoonPhase::new_moon, n - day), n, 1e-9);
    EXPECT_NEAR(moon_age(t), (t - n) * 36525, 1e-6);
  }
}

TEST(MoonPhase, AgeIsCountedToNoonJstAndPrintedToOneDecimal) {
  // 2006-01-29 was the day of the new moon (14:15 UT, 23:15 JST): at noon
  // that day the Moon is still nearly 29 days old (a month of 29.4 days),
  // the next day half a day old.
  const std::optional<AlmanacDay> before = almanac_day(139.7, 35.7, 2006, 1, 29);
  const std::optional<AlmanacDay> after = almanac_day(139.7, 35.7, 2006, 1, 30);
  ASSERT_TRUE(before && after);
  EXPECT_GT(before->moon_age, 28.5);
  EXPECT_NEAR(after->moon_age, 0.53, 0.05);
  EXPECT_TRUE(find_event(*before, AlmanacBody::moon, AlmanacEventKind::new_moon));
  EXPECT_FALSE(find_event(*after, AlmanacBody::moon, AlmanacEventKind::new_moon));
  EXPECT_EQ(moon_age_tenths(20.95), 21.0);  // 209.5 rounds to even 210
  EXPECT_EQ(moon_age_tenths(20.25), 20.2);  // 202.5 rounds to even 202
}

}  // namespace
}  // namespace hz
