// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/raster.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <utility>
#include <vector>

#include "common/constants.hpp"

namespace hz {
namespace {

constexpr Rgb bg = rgb(0, 0, 95);
constexpr Rgb ink = rgb(255, 255, 191);
constexpr Rgb paint = rgb(222, 223, 0);

// A plain pixel grid in memory.
class Grid : public PixelGrid {
 public:
  Grid(int w, int h) : w_(w), h_(h), px_(static_cast<std::size_t>(w * h), bg) {}
  int width() const override { return w_; }
  int height() const override { return h_; }
  Rgb get(int x, int y) const override { return px_[static_cast<std::size_t>(y * w_ + x)]; }
  void put(int x, int y, Rgb c) override {
    EXPECT_TRUE(x >= 0 && y >= 0 && x < w_ && y < h_) << "unclipped put at " << x << "," << y;
    px_[static_cast<std::size_t>(y * w_ + x)] = c;
  }
  // Pixels of colour c, as (x, y) pairs.
  std::set<std::pair<int, int>> of(Rgb c) const {
    std::set<std::pair<int, int>> s;
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x)
        if (get(x, y) == c) s.insert({x, y});
    return s;
  }

 private:
  int w_, h_;
  std::vector<Rgb> px_;
};

using Pixels = std::set<std::pair<int, int>>;

// Offsets of a set from a centre, for comparing shapes.
Pixels shifted(const Pixels& s, int cx, int cy) {
  Pixels r;
  for (auto [x, y] : s) r.insert({x - cx, y - cy});
  return r;
}

TEST(PixelOf, RoundsHalvesToEvenAndRejectsTheUnusable) {
  struct Case {
    const char* why;
    double v;
    std::optional<std::int64_t> want;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {"half rounds down to even", 10.5, 10},
      {"half rounds up to even", 11.5, 12},
      {"negative half to even", -2.5, -2},
      {"just below a half", 3.4999999, 3},
      {"NaN has no pixel", std::nan(""), std::nullopt},
      {"infinity has no pixel", inf, std::nullopt},
      {"beyond the coordinate limit", 1e12, std::nullopt},
      {"the limit itself is accepted", max_coordinate, static_cast<std::int64_t>(max_coordinate)},
  };
  for (const auto& k : cases) {
    EXPECT_EQ(pixel_of(k.v), k.want) << k.why;
  }
}

TEST(RasterLine, BothEndPixelsAndEightConnected) {
  Grid g(40, 20);
  raster_line(g, 0.5, 0.5, 10.5, 3.5, ink);  // rounds to (0,0)-(10,4)
  const Pixels s = g.of(ink);
  EXPECT_EQ(s.size(), 11u) << "one pixel per column of the major axis";
  EXPECT_TRUE(s.count({0, 0})) << "start pixel";
  EXPECT_TRUE(s.count({10, 4})) << "end pixel";
  // Each column holds one pixel, and neighbouring columns differ by at most one row.
  int prev = -1;
  for (int x = 0; x <= 10; ++x) {
    int row = -1;
    for (int y = 0; y < 20; ++y) {
      if (s.count({x, y})) row = y;
    }
    ASSERT_GE(row, 0) << "column " << x;
    if (prev >= 0) {
      EXPECT_LE(std::abs(row - prev), 1) << "gap at column " << x;
    }
    prev = row;
  }
}

TEST(RasterLine, SamePixelsInBothDirections) {
  // Ties in the minor axis (slope 1/2) must not depend on the direction.
  for (const auto& e : std::vector<std::array<double, 4>>{
           {2, 3, 12, 8}, {3, 2, 8, 12}, {30, 1, 2, 15}, {5, 5, 5, 5}}) {
    Grid a(40, 20), b(40, 20);
    raster_line(a, e[0], e[1], e[2], e[3], ink);
    raster_line(b, e[2], e[3], e[0], e[1], ink);
    EXPECT_EQ(a.of(ink), b.of(ink)) << e[0] << "," << e[1] << " - " << e[2] << "," << e[3];
  }
}

TEST(RasterLine, RoundsToTheNearestRowOfTheExactLine) {
  // From (0,0) to (10,3): row of column x is round(0.3 x).
  Grid g(20, 10);
  raster_line(g, 0, 0, 10, 3, ink);
  for (int x = 0; x <= 10; ++x) {
    const int want = static_cast<int>(std::floor(0.3 * x + 0.5));
    EXPECT_EQ(g.get(x, want), ink) << "column " << x << " expected row " << want;
  }
}

TEST(RasterLine, ClippedLongLineKeepsItsVisiblePart) {
  // A line reaching far off the grid paints exactly the visible run.
  Grid g(50, 10);
  raster_line(g, 10, 5, 1e8, 5, ink);
  EXPECT_EQ(g.of(ink).size(), 40u);
  EXPECT_EQ(g.get(49, 5), ink);
  EXPECT_EQ(g.get(9, 5), bg);
}

TEST(RasterLine, NonFiniteOrHugeEndDrawsNothing) {
  const double nan = std::nan("");
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<std::array<double, 4>> bad = {
      {nan, 1, 5, 5}, {1, nan, 5, 5}, {1, 1, inf, 5}, {1, 1, 5, -inf}, {1, 1, 1e300, 5}};
  for (const auto& e : bad) {
    Grid g(20, 20);
    raster_line(g, e[0], e[1], e[2], e[3], ink);
    EXPECT_TRUE(g.of(ink).empty()) << e[0] << "," << e[1] << " - " << e[2] << "," << e[3];
  }
}

// A grid that lends its pixels as words, as the image surface's does.
class WordsGrid {
 public:
  WordsGrid(int w, int h) : w_(w), h_(h), words_(static_cast<std::size_t>(w * h), bg) {}
  int width() const { return w_; }
  int height() const { return h_; }
  void put(int x, int y, Rgb c) { words_[static_cast<std::size_t>(y * w_ + x)] = c; }
  std::uint32_t* words() { return words_.data(); }
  std::uint32_t word(Rgb c) const { return c; }
  Pixels of(Rgb c) const {
    Pixels s;
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x)
        if (words_[static_cast<std::size_t>(y * w_ + x)] == c) s.insert({x, y});
    return s;
  }

 private:
  int w_, h_;
  std::vector<std::uint32_t> words_;
};
static_assert(WordGrid<WordsGrid>);

TEST(RasterLine, StepsThroughWordsAsThroughPuts) {
  // Shallow and steep, both ways, and cut by every edge on either axis.
  for (const auto& e : std::vector<std::array<double, 4>>{{1, 1, 30, 9},
                                                          {30, 9, 1, 1},
                                                          {3, 1, 9, 18},
                                                          {9, 18, 3, 1},
                                                          {-15, 4, 50, 12},
                                                          {4, -30, 12, 40},
                                                          {-5, -5, 45, 25},
                                                          {20, 15, 60, -30},
                                                          {10, 19.5, 39.4, 25},
                                                          {1, 18, 35, 4},
                                                          {30, 1, 20, 19},
                                                          {45, -3, -10, 16},
                                                          {7, 7, 7, 7}}) {
    Grid plain(40, 20);
    WordsGrid words(40, 20);
    raster_line(plain, e[0], e[1], e[2], e[3], ink);
    raster_line(words, e[0], e[1], e[2], e[3], ink);
    EXPECT_EQ(words.of(ink), plain.of(ink)) << e[0] << "," << e[1] << " - " << e[2] << "," << e[3];
  }
}

TEST(RasterEllipse, OutlineIsTheDiscBoundaryAndFillTheRest) {
  Grid g(30, 30);
  raster_ellipse(g, 15, 15, 6, 6, std::nullopt, ink, paint);
  const Pixels out = shifted(g.of(ink), 15, 15);
  const Pixels in = shifted(g.of(paint), 15, 15);
  for (int dy = -8; dy <= 8; ++dy) {
    for (int dx = -8; dx <= 8; ++dx) {
      auto disc = [](int x, int y) { return x * x + y * y <= 36; };
      const bool d = disc(dx, dy);
      const bool edge =
          d && (!disc(dx + 1, dy) || !disc(dx - 1, dy) || !disc(dx, dy + 1) || !disc(dx, dy - 1));
      EXPECT_EQ(out.count({dx, dy}) == 1, edge) << dx << "," << dy;
      EXPECT_EQ(in.count({dx, dy}) == 1, d && !edge) << dx << "," << dy;
    }
  }
}

TEST(RasterEllipse, ArcPaintsOnlyItsPartOfTheOutlineAndReachesBothEnds) {
  Grid g(40, 40);
  raster_ellipse(g, 20, 20, 10, 10, ArcAngles{0, pi}, ink, paint);
  const Pixels s = shifted(g.of(ink), 20, 20);
  EXPECT_TRUE(s.count({10, 0})) << "angle 0, rightmost";
  EXPECT_TRUE(s.count({-10, 0})) << "angle pi (the program's pi is below true pi)";
  EXPECT_TRUE(s.count({0, -10})) << "top: y grows downward";
  EXPECT_FALSE(s.count({0, 10})) << "bottom is outside the arc";
  EXPECT_TRUE(g.of(paint).empty()) << "an arc is never filled";
  for (auto [dx, dy] : s) EXPECT_LE(dy, 0) << "pixel below the centre at " << dx << "," << dy;
}

TEST(RasterEllipse, ArcAcrossAngleZero) {
  Grid g(40, 40);
  raster_ellipse(g, 20, 20, 10, 10, ArcAngles{3 * pi / 2, pi / 2}, ink, std::nullopt);
  const Pixels s = shifted(g.of(ink), 20, 20);
  EXPECT_TRUE(s.count({10, 0}) && s.count({0, -10}) && s.count({0, 10}));
  EXPECT_FALSE(s.count({-10, 0}));
}

TEST(RasterEllipse, ClippedAtTheEdgesAndHugeRadiusSafe) {
  Grid g(20, 20);
  raster_ellipse(g, 0, 0, 5, 5, std::nullopt, ink, paint);
  EXPECT_EQ(g.get(5, 0), ink);
  EXPECT_EQ(g.get(0, 0), paint);
  Grid h(20, 20);
  raster_ellipse(h, 10, 10, 1e300, 1e300, std::nullopt, ink, paint);
  EXPECT_EQ(h.of(paint).size(), 400u) << "a disc larger than the grid fills it";
}

TEST(RasterEllipse, UnusableInputDrawsNothing) {
  const double nan = std::nan("");
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* why;
    double x, y, rx, ry;
    std::optional<ArcAngles> arc;
  };
  const Case cases[] = {
      {"NaN centre", nan, 5, 3, 3, std::nullopt},
      {"infinite centre", 5, inf, 3, 3, std::nullopt},
      {"NaN radius", 5, 5, nan, 3, std::nullopt},
      {"infinite radius", 5, 5, inf, inf, std::nullopt},
      {"negative radius", 5, 5, -3, 3, std::nullopt},
      {"NaN arc end", 5, 5, 3, 3, ArcAngles{0, nan}},
  };
  for (const auto& k : cases) {
    Grid g(20, 20);
    raster_ellipse(g, k.x, k.y, k.rx, k.ry, k.arc, ink, paint);
    EXPECT_TRUE(g.of(ink).empty() && g.of(paint).empty()) << k.why;
  }
}

TEST(EllipseRadii, AspectShrinksOneAxis) {
  struct Case {
    double radius, aspect, rx, ry;
  };
  const Case cases[] = {{7, 0.4, 7, 7 * 0.4}, {6, 2, 3, 6}, {5, 1, 5, 5}};
  for (const auto& k : cases) {
    const Radii r = ellipse_radii(k.radius, k.aspect);
    EXPECT_EQ(r.rx, k.rx) << "aspect " << k.aspect;
    EXPECT_EQ(r.ry, k.ry) << "aspect " << k.aspect;
  }
}

}  // namespace
}  // namespace hz
