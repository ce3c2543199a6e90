// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/boundary_fill.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <set>
#include <utility>

#include "render_qt/image_surface.hpp"
#include "test_surface.hpp"

namespace hz {
namespace {

using test::painted;
using test::Pixels;
using test::pixels_of;

constexpr Rgb sky = rgb(0, 0, 95);
constexpr Rgb fill = rgb(222, 223, 0);
constexpr Rgb wall = rgb(255, 255, 255);

// A rectangle outline in the wall colour, interior x0+1..x1-1, y0+1..y1-1.
void box(Surface& s, int x0, int y0, int x1, int y1) {
  s.line(x0, y0, x1, y0, wall);
  s.line(x1, y0, x1, y1, wall);
  s.line(x1, y1, x0, y1, wall);
  s.line(x0, y1, x0, y0, wall);
}

ImageSurface blank() {
  ImageSurface s;
  s.set_back_color(sky);
  return s;
}

TEST(Ptf, SeedOnTheBoundaryPaintsNothing) {
  ImageSurface s = blank();
  box(s, 10, 10, 20, 20);
  ptf(s, 10, 15, fill, wall);
  EXPECT_TRUE(pixels_of(s, fill).empty());
}

TEST(Ptf, EnclosedSinglePixelPaintsOnlyTheSeed) {
  ImageSurface s = blank();
  s.pset(51, 50, wall);
  s.pset(49, 50, wall);
  s.pset(50, 51, wall);
  s.pset(50, 49, wall);
  ptf(s, 50, 50, fill, wall);
  EXPECT_EQ(pixels_of(s, fill), (Pixels{{50, 50}}));
}

TEST(Ptf, BoxInteriorFilledExactly) {
  ImageSurface s = blank();
  box(s, 10, 10, 20, 16);
  ptf(s, 12, 12, fill, wall);
  const Pixels p = pixels_of(s, fill);
  EXPECT_EQ(p.size(), 9u * 5u);
  for (auto [x, y] : p) {
    EXPECT_TRUE(x > 10 && x < 20 && y > 10 && y < 16) << x << "," << y;
  }
}

TEST(Ptf, FillColouredSeedIsFilledAround) {
  // The seed already has the fill colour but not the boundary colour: its
  // region is filled as usual.
  ImageSurface s = blank();
  box(s, 10, 10, 20, 16);
  s.pset(15, 13, fill);
  ptf(s, 15, 13, fill, wall);
  EXPECT_EQ(pixels_of(s, fill).size(), 45u);
}

TEST(Ptf, EqualFillAndBoundaryColourStopsAtTheOutline) {
  ImageSurface s = blank();
  s.line(10, 10, 20, 10, fill);
  s.line(20, 10, 20, 16, fill);
  s.line(20, 16, 10, 16, fill);
  s.line(10, 16, 10, 10, fill);
  ptf(s, 15, 13, fill, fill);
  EXPECT_EQ(pixels_of(s, fill).size(), 11u * 7u) << "outline and interior, nothing outside";
}

// Breadth-first order with neighbours right, down, left, up: the first n
// pixels reached from the seed in an unbounded plane.
Pixels first_reached(int sx, int sy, std::size_t n) {
  Pixels seen{{sx, sy}};
  std::deque<std::pair<int, int>> q{{sx, sy}};
  const int dx[4] = {1, 0, -1, 0};
  const int dy[4] = {0, 1, 0, -1};
  while (!q.empty() && seen.size() < n) {
    auto [x, y] = q.front();
    q.pop_front();
    for (int k = 0; k < 4 && seen.size() < n; ++k) {
      if (seen.insert({x + dx[k], y + dy[k]}).second) q.push_back({x + dx[k], y + dy[k]});
    }
  }
  return seen;
}

TEST(Ptf, OpenRegionStopsAtExactlyOneThousandInBreadthFirstOrder) {
  ImageSurface s = blank();
  ptf(s, 320, 330, fill, wall);
  const Pixels p = pixels_of(s, fill);
  EXPECT_EQ(p.size(), 1000u);
  EXPECT_EQ(p, first_reached(320, 330, 1000));
  // Layers of Manhattan distance 0..21 hold 925 pixels; 75 of layer 22 follow.
  std::size_t layer22 = 0;
  for (auto [x, y] : p) {
    const int m = std::abs(x - 320) + std::abs(y - 330);
    EXPECT_LE(m, 22);
    if (m == 22) ++layer22;
  }
  EXPECT_EQ(layer22, 75u);
}

TEST(Ptf, EdgeOfTheSurfaceIsBoundary) {
  ImageSurface s = blank();
  s.line(0, 3, 3, 3, wall);
  s.line(3, 0, 3, 3, wall);
  ptf(s, 1, 1, fill, wall);
  EXPECT_EQ(pixels_of(s, fill).size(), 9u) << "the 3x3 corner pocket, nothing off the surface";
}

TEST(Ptf, OffSurfaceSeedPaintsNothing) {
  ImageSurface s = blank();
  ptf(s, -5, 10, fill, wall);
  ptf(s, std::nan(""), 10, fill, wall);
  EXPECT_TRUE(painted(s).empty());
}

TEST(Ptf, FractionalColumnKeptRowsRounded) {
  // A quarter-pixel column and a fractional row fill the same pixels as the
  // whole seed: every queued column carries the same fraction.
  ImageSurface a = blank(), b = blank();
  box(a, 10, 10, 20, 16);
  box(b, 10, 10, 20, 16);
  ptf(a, 12.25, 12.4, fill, wall);
  ptf(b, 12, 12, fill, wall);
  EXPECT_EQ(pixels_of(a, fill), pixels_of(b, fill));
  EXPECT_EQ(pixels_of(a, fill).size(), 45u);
}

TEST(Ptf, HalfColumnReachesOnlyTwoColumnsAndStepsOverAWall) {
  // With a column fraction of one half the surface rounds 12.5 to 12 and
  // both 13.5 and 14.5 to 14: the fill reaches columns 12 and 14 only, and
  // jumps the one-pixel wall on column 13 between them. Callers that need a
  // tight boundary pass whole columns.
  ImageSurface s = blank();
  box(s, 10, 10, 13, 14);
  box(s, 13, 10, 30, 14);
  ptf(s, 12.5, 12, fill, wall);
  Pixels want;
  for (int y = 11; y <= 13; ++y) {
    want.insert({12, y});
    want.insert({14, y});
  }
  EXPECT_EQ(pixels_of(s, fill), want);
}

}  // namespace
}  // namespace hz
