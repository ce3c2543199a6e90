// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/tri.hpp"

#include <gtest/gtest.h>

#include "common/constants.hpp"

namespace hz {
namespace {

struct TriCase {
  const char* why;
  double a, b, c;
  double d, p;
};

// Exact results: each quadrant rule returns a value formed from pi alone.
TEST(Tri, QuadrantsAndZeroGuards) {
  const TriCase cases[] = {
      {"zero vector takes both guards", 0, 0, 0, pi / 2, 3 * pi / 2},
      {"on the positive c axis", 0, 0, 2, 0, 3 * pi / 2},
      {"on the negative c axis", 0, 0, -2, pi, 3 * pi / 2},
      {"b zero, a positive", 1, 0, 0, pi / 2, pi / 2},
      {"b zero, a negative", -1, 0, 0, pi / 2, 3 * pi / 2},
      {"negative b axis: atan(-0) plus pi", 0, -1, 0, pi / 2, pi},
      {"positive b axis", 0, 1, 0, pi / 2, 0},
  };
  for (const auto& k : cases) {
    const Polar r = tri(k.a, k.b, k.c);
    EXPECT_EQ(r.d, k.d) << k.why;
    EXPECT_EQ(r.p, k.p) << k.why;
  }
}

TEST(Tri, FourthQuadrantWrapsIntoRange) {
  const Polar r = tri(-1, 1, 1);
  EXPECT_DOUBLE_EQ(r.p, 7 * pi / 4);
  EXPECT_NEAR(r.d, 0.9553166181245093, 1e-15);  // atan(sqrt 2)
}

TEST(Tri, TinyNegativeSineSideMayReachTwoPi) {
  // Rounding carries -1e-20 + 2 pi onto 2 pi exactly: the upper bound is
  // reached, which callers must accept.
  const Polar r = tri(-1e-20, 1, 1);
  EXPECT_GE(r.p, 0.0);
  EXPECT_LE(r.p, 2 * pi);
  EXPECT_EQ(r.p, 2 * pi);
}

}  // namespace
}  // namespace hz
