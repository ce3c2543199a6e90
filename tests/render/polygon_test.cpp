// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/polygon.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace hz {
namespace {

TEST(StrictlyInside, ConvexAndConcavePolygons) {
  struct Case {
    const char* why;
    std::vector<PixelPoint> poly;
    PixelPoint p;
    bool want;
  };
  const std::vector<PixelPoint> square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  // A crescent-like notch: the pixel (5, 5) lies in the notch, outside.
  const std::vector<PixelPoint> notch = {{0, 0}, {10, 0}, {4, 5}, {10, 10}, {0, 10}};
  const Case cases[] = {
      {"centre of a square", square, {5, 5}, true},
      {"on an edge is not inside", square, {0, 5}, false},
      {"on a vertex is not inside", square, {10, 10}, false},
      {"outside to the right", square, {11, 5}, false},
      {"in the notch", notch, {5, 5}, false},
      {"left of the notch", notch, {3, 5}, true},
      {"on the notch's tip", notch, {4, 5}, false},
      {"row through a vertex", notch, {2, 0}, false},
      {"degenerate polygon: a line", {{0, 0}, {8, 0}, {0, 0}}, {4, 0}, false},
      {"single point", {{3, 3}}, {3, 3}, false},
  };
  for (const auto& k : cases) {
    EXPECT_EQ(strictly_inside(k.poly, k.p), k.want) << k.why;
  }
}

TEST(StrictlyInside, ThinSliverHoldsNoPixelBetweenItsEdges) {
  // Left half-circle outline traced twice (a new Moon): nothing is inside.
  const std::vector<PixelPoint> sliver = {{100, 92}, {96, 93},   {93, 96},  {92, 100}, {93, 104},
                                          {96, 107}, {100, 108}, {96, 107}, {93, 104}, {92, 100},
                                          {93, 96},  {96, 93},   {100, 92}};
  for (std::int64_t y = 90; y <= 110; ++y)
    for (std::int64_t x = 90; x <= 102; ++x) {
      EXPECT_FALSE(strictly_inside(sliver, {x, y})) << x << "," << y;
    }
}

}  // namespace
}  // namespace hz
