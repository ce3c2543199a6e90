// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "steer/identify.hpp"

namespace hz {
namespace {

// The Sun's right ascension minus the Moon's, in hours, as the Moon's mark
// takes it: lit fraction (1 - cos phi) / 2, waxing while the Moon is east.
TEST(MoonLight, LitFractionAndDirectionFromTheRightAscensions) {
  struct Case {
    double mphase, lit;
    bool waxing;
  } const cases[] = {
      {0, 0, false},   {-6, 0.5, true},   {18, 0.5, true},       {-12, 1, true},
      {6, 0.5, false}, {-18, 0.5, false}, {-3, 0.1464466, true},
  };
  for (const Case& c : cases) {
    const MoonLight p = moon_light(c.mphase);
    EXPECT_NEAR(p.lit, c.lit, 1e-6) << c.mphase;
    EXPECT_EQ(p.waxing, c.waxing) << c.mphase;
  }
}

}  // namespace
}  // namespace hz
