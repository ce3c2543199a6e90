// SPDX-License-Identifier: GPL-3.0-or-later
// The root finder of the almanac's events, on functions whose zeros are
// known.
#include "almanac/bracket_root.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "almanac/horizon_events.hpp"
#include "common/constants.hpp"

namespace hz {
namespace {

// Asked for as the almanac asks for its events.
constexpr double tol = event_tolerance_hours;
// The most calls of f a search may make.
constexpr int max_calls = 60;
// "About six calls" for a smooth simple zero; false position without the
// Illinois change needs 30 and more on the convex case below.
constexpr int quick_calls = 10;

// The functions, by their zeros.
double sin_x(double x) { return std::sin(x); }
double square_less_4(double x) { return x * x - 4; }
double exp_less_2(double x) { return std::exp(x) - 2; }
double zero_near_4(double x) { return std::exp(x) - std::exp(4 - tol / 4); }
double zero_near_0(double x) { return std::exp(x) - std::exp(tol / 4); }
double touch_1_cross_2_5(double x) { return (x - 1) * (x - 1) * (x - 2.5); }
double touch_1(double x) { return (x - 1) * (x - 1); }
double zeros_1_and_2(double x) { return (x - 1) * (x - 2); }
double square_plus_1(double x) { return x * x + 1; }

TEST(BracketRoot, FindsAZeroOfTheBracketWithinTheTolerance) {
  struct Case {
    const char* why;
    double (*f)(double);
    double a, b;
    // The estimate lies within tol of one of these; none: the ends agree in
    // sign, and only [a, b] is promised.
    std::vector<double> zeros;
    int calls;  // at most this many calls of f
  } const cases[] = {
      {"a zero at the lower end, returned without a call", sin_x, 0, 2, {0}, 0},
      {"a zero at the upper end, returned without a call", square_less_4, 0, 2, {2}, 0},
      {"convex: false position alone keeps an end", exp_less_2, 0, 4, {std::log(2.0)}, quick_calls},
      {"a sign change in the last step", zero_near_4, 0, 4, {4 - tol / 4}, quick_calls},
      {"a sign change in the first step", zero_near_0, 0, 4, {tol / 4}, quick_calls},
      {"three zeros: one of them", sin_x, 2, 10, {pi, 2 * pi, 3 * pi}, quick_calls},
      {"a tangent zero before the crossing: either", touch_1_cross_2_5, 0, 3, {1, 2.5}, max_calls},
      {"a tangent: touches zero without crossing", touch_1, 0, 3, {}, max_calls},
      {"two zeros", zeros_1_and_2, 0, 3, {}, max_calls},
      {"no zero", square_plus_1, -1, 3, {}, max_calls},
  };
  for (const Case& c : cases) {
    int calls = 0;
    const auto counted = [&](double x) {
      ++calls;
      return c.f(x);
    };
    const double x = bracket_root(counted, c.a, c.b, c.f(c.a), c.f(c.b), tol);
    EXPECT_TRUE(x >= c.a && x <= c.b) << c.why << ": " << x;
    EXPECT_LE(calls, c.calls) << c.why;
    if (c.zeros.empty()) continue;
    double miss = INFINITY;
    for (double z : c.zeros) miss = std::min(miss, std::fabs(x - z));
    EXPECT_LE(miss, tol) << c.why << ": " << x;
  }
}

}  // namespace
}  // namespace hz
