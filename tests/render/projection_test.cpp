// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/projection.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "common/constants.hpp"

namespace hz {
namespace {

constexpr double tol = 1e-9;

struct Case {
  const char* why;
  double alt0, az0;  // line of sight, degrees
  double alt, az;    // object, degrees
  double xp, yp, d;  // expected point and distance (degrees)
};

TEST(Prj, WorkedValuesOfTheFrameDriverView) {
  const Case cases[] = {
      {"south horizon view: 30 deg up toward the south", 0, 180, 30, 180, 320, 260, 30},
      {"south horizon view: west horizon to the right", 0, 180, 0, 270, 590, 350, 90},
      {"south horizon view: east horizon to the left", 0, 180, 0, 90, 50, 350, 90},
      {"zenith view: south at the bottom", 90, 180, 0, 180, 320, 620, 90},
      {"zenith view: north at the top", 90, 180, 0, 0, 320, 80, 90},
      {"zenith view: west on the right", 90, 180, 0, 270, 590, 350, 90},
      {"zenith view: east on the left", 90, 180, 0, 90, 50, 350, 90},
  };
  for (const auto& k : cases) {
    const Projected p = prj(k.alt0 * rd, k.az0 * rd, 320, 350, 3, k.alt * rd, k.az * rd);
    EXPECT_NEAR(p.xp, k.xp, tol) << k.why;
    EXPECT_NEAR(p.yp, k.yp, tol) << k.why;
    EXPECT_NEAR(p.d / rd, k.d, tol) << k.why;
  }
}

TEST(Prj, LineOfSightProjectsOntoTheCentre) {
  const double ss = 37 * rd, sl = 123 * rd;
  const Projected p = prj(ss, sl, 320, 350, 3, ss, sl);
  EXPECT_EQ(p.xp, 320);
  EXPECT_EQ(p.yp, 350);
  EXPECT_EQ(p.d, 0);
}

TEST(Prj, OppositeDirectionIsHalfACircleAway) {
  const double ss = 20 * rd, sl = 200 * rd;
  const Projected p = prj(ss, sl, 320, 350, 3, -ss, sl + pi);
  EXPECT_NEAR(p.d, pi, 1e-7);
  EXPECT_NEAR(std::hypot(p.xp - 320, p.yp - 350), 540, 1e-4) << "radius 180 scl";
}

TEST(Prj, NinetyDegreesFromTheSightLandOnRadius270) {
  // Every horizon point seen from the zenith, and a great circle 90 deg from
  // an oblique sight line.
  for (int a = 0; a < 360; a += 7) {
    const Projected p = prj(90 * rd, 180 * rd, 320, 350, 3, 0, a * rd);
    EXPECT_NEAR(std::hypot(p.xp - 320, p.yp - 350), 270, 1e-6) << "azimuth " << a;
  }
  const Projected z = prj(30 * rd, 45 * rd, 320, 350, 3, 120 * rd, 45 * rd);
  EXPECT_NEAR(z.d / rd, 90, 1e-9);
  EXPECT_NEAR(std::hypot(z.xp - 320, z.yp - 350), 270, 1e-6);
}

TEST(Prj, ZenithPointsUpAndAzimuthIncreasesToTheRight) {
  const double ss = 10 * rd, sl = 60 * rd;
  const Projected up = prj(ss, sl, 0, 0, 1, 40 * rd, sl);
  EXPECT_NEAR(up.xp, 0, tol);
  EXPECT_NEAR(up.yp, -30, tol) << "30 deg toward the zenith, upward";
  const Projected right = prj(ss, sl, 0, 0, 1, ss, sl + 5 * rd);
  EXPECT_GT(right.xp, 4.9);
}

}  // namespace
}  // namespace hz
