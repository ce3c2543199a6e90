// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/kepler.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/constants.hpp"

namespace hz {
namespace {

constexpr double tol = 0.0001;

TEST(YF, UsesSizeOfMeanAnomaly) {
  EXPECT_EQ(y_f(1.0, 0.1, 0.5), y_f(1.0, 0.1, -0.5)) << "sign of m_kep must not matter";
  EXPECT_DOUBLE_EQ(y_f(1.0, 0.1, 0.5), 1.0 - 0.1 * std::sin(1.0) - 0.5);
}

TEST(Root, ExactFirstEstimates) {
  const struct {
    double e_kep, m_kep, want;
    const char* why;
  } cases[] = {
      {0.2056, 0, 0, "m = 0: first estimate 0 - 0 is the root"},
      {0, 1.234, 1.234, "e = 0: y_f is a straight line, first estimate exact"},
      {0, -1.234, 1.234, "e = 0 with negative m: solves for |m|"},
  };
  for (const auto& c : cases) {
    const double x = root(0, pi, tol, c.e_kep, c.m_kep);
    EXPECT_NEAR(x, c.want, 1e-15) << c.why;
  }
  EXPECT_NEAR(root(0, pi, tol, 0.0934, pi), pi, 1e-12) << "|m| = pi gives pi";
}

// Every planetary eccentricity and the Moon's, over the whole range of the
// mean anomaly: the result meets the tolerance and lies in 0..pi (up to
// rounding at |m| = pi).
TEST(Root, MeetsToleranceForProgramEccentricities) {
  for (double e : {0.2056, 0.0068, 0.0167, 0.0934, 0.0485, 0.0555, 0.0463, 0.009, 0.249, 0.05488}) {
    for (int i = -1000; i <= 1000; ++i) {
      const double m = pi * i / 1000;
      const double x = root(0, pi, tol, e, m);
      ASSERT_LT(std::fabs(y_f(x, e, m)), tol) << "e " << e << " m " << m << " x " << x;
      ASSERT_GE(x, 0) << "e " << e << " m " << m;
      ASSERT_LE(x, pi + 1e-12) << "e " << e << " m " << m;  // |m| = pi may round past pi
    }
  }
}

// The hardest searches the residual rule still finishes: eccentricities close
// to 1 with a small mean anomaly take hundreds of steps (e 0.99, m 0.00118:
// about 200; e -> 1, m 0.0001785: about 510). The step cap must not cut them.
TEST(Root, CapDoesNotCutSlowButFiniteSearches) {
  const struct {
    double e, m;
  } cases[] = {{0.99, 0.0011781}, {0.999, 0.000267035}, {0.99999879773556544, 0.0001785}};
  for (const auto& c : cases) {
    const double x = root(0, pi, tol, c.e, c.m);
    ASSERT_TRUE(std::isfinite(x)) << "e " << c.e << " m " << c.m;
    EXPECT_LT(std::fabs(y_f(x, c.e, c.m)), tol) << "e " << c.e << " m " << c.m << " x " << x;
  }
}

TEST(Root, NonFiniteInputEndsWithNaN) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double x1, x2, e, e_kep, m_kep;
    const char* why;
  } cases[] = {
      {0, pi, tol, 0.1, nan, "NaN mean anomaly"},
      {0, pi, tol, 0.1, inf, "infinite mean anomaly"},
      {0, pi, tol, nan, 1, "NaN eccentricity"},
      {nan, pi, tol, 0.1, 1, "NaN bracket end"},
      {0, inf, tol, 0.1, 1, "infinite bracket end"},
      {0, pi, nan, 0.1, 1, "NaN tolerance never met"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(std::isnan(root(c.x1, c.x2, c.e, c.e_kep, c.m_kep))) << c.why;
  }
}

TEST(Root, UnreachableToleranceEndsWithNaN) {
  // A zero tolerance can never be met by a strict test; the search must still
  // end rather than run on forever.
  EXPECT_TRUE(std::isnan(root(0, pi, 0, 0.2, 1.0)));
  // A degenerate bracket divides 0 by 0.
  EXPECT_TRUE(std::isnan(root(1, 1, tol, 0.2, 0.5)));
}

}  // namespace
}  // namespace hz
