// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/fast_polar_distance.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "common/tri.hpp"

namespace hz {
namespace {

// tri's polar distance, which the quick one stands in for.
double exact(double q, double w) { return tri(q, 0, w).d; }

TEST(FastPolarDistance, StaysWithinItsBoundOfTriEverywhere) {
  // Directions all round the half plane, including those whose ratio falls on
  // or next to an eighth (the series' worst case), at several lengths.
  double worst = 0;
  for (const double length : {1e-3, 1.0, 1e3}) {
    for (int i = 0; i <= 200000; ++i) {
      const double theta = pi * i / 200000;
      const double q = length * std::fabs(std::sin(theta)), w = length * std::cos(theta);
      worst = std::fmax(worst, std::fabs(fast_polar_distance(q, w) - exact(q, w)));
    }
    for (int j = 0; j <= 16; ++j) {
      for (const double nudge : {-1e-12, 0.0, 1e-12}) {
        const double a = j / 16.0 + nudge;
        if (a < 0 || a > 1) continue;
        for (const auto& [q, w] : {std::pair{a, 1.0}, {1.0, a}, {a, -1.0}, {1.0, -a}}) {
          worst = std::fmax(worst, std::fabs(fast_polar_distance(q * length, w * length) -
                                             exact(q * length, w * length)));
        }
      }
    }
  }
  EXPECT_LE(worst, fast_polar_distance_error);
  EXPECT_GT(worst, 0.0) << "not one direction differs: is the quick distance in use?";
}

TEST(FastPolarDistance, EndsOfTheRangeAndTheZeroVector) {
  struct Case {
    const char* why;
    double q, w, d;
  };
  const Case cases[] = {
      {"on the axis", 0, 1, 0},
      {"square to the axis", 1, 0, pi / 2},
      {"against the axis", 0, -1, pi},
      {"halfway", 1, 1, pi / 4},
  };
  for (const auto& k : cases) {
    EXPECT_NEAR(fast_polar_distance(k.q, k.w), k.d, fast_polar_distance_error) << k.why;
  }
  EXPECT_TRUE(std::isnan(fast_polar_distance(0, 0))) << "the caller must take it exactly";
}

}  // namespace
}  // namespace hz
