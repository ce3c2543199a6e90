// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/sidereal.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace hz {
namespace {

TEST(Grn, WorkedValues) {
  const struct {
    double t2000, ut, gst;
    const char* why;
  } cases[] = {
      {0, 12, 18.6971224459, "J2000.0"},
      {0.2693258042436687, 15, 20.0932765486, "2026-12-07 15:00 UT"},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(grn(c.t2000, c.ut), c.gst, 5e-11) << c.why;
  }
}

// Moments before 2000 make the unreduced sum negative: the reduction must
// still land in 0..24 (a truncating remainder would leave it negative).
TEST(Grn, StaysInRangeForNegativeCenturies) {
  for (int i = 0; i <= 20000; ++i) {
    const double t = -10.0 + i * 0.000731;
    for (double ut : {0.0, 5.5, 23.9}) {
      const double gst = grn(t, ut);
      ASSERT_GE(gst, 0) << "t2000 " << t << " ut " << ut;
      ASSERT_LE(gst, 24) << "t2000 " << t << " ut " << ut;  // 24 only by rounding
    }
  }
  // 1600-01-01 0h UT: well before J2000.
  const double gst = grn(-3.9999315537303217, 0);
  EXPECT_GE(gst, 0);
  EXPECT_LT(gst, 24);
}

TEST(Grn, SiderealDayIsShorter) {
  // One day later the sidereal clock reads about 3 min 56.6 s more.
  const double a = grn(0, 0);
  const double b = grn(1.0 / 36525, 0);
  EXPECT_NEAR(std::fmod(b - a + 24, 24), 0.0657, 0.0002);
}

}  // namespace
}  // namespace hz
