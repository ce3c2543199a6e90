// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/markers.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "common/constants.hpp"
#include "test_surface.hpp"

namespace hz {
namespace {

using test::Pixels;
using test::RecordingSurface;

constexpr int X = 200, Y = 300;

// Painted pixels near (X, Y), as offsets from it.
Pixels marks(const ImageSurface& s) {
  Pixels p;
  for (int y = Y - 40; y <= Y + 40; ++y)
    for (int x = X - 40; x <= X + 40; ++x)
      if (s.point(x, y) != s.back_color()) p.insert({x - X, y - Y});
  return p;
}

void draw(RecordingSurface& s, int k, double d = 0) {
  s.set_back_color(col_night);
  mrk(s, k, X, Y, d);
}

TEST(Mrk, SunIsAFilledDiscWithFourRays) {
  RecordingSurface s;
  draw(s, 0);
  const Pixels p = marks(s);
  for (auto [dx, dy] : {std::pair{0, -9},
                        {0, 9},
                        {-9, 0},
                        {9, 0},
                        {-7, -7},
                        {7, 7},
                        {-7, 7},
                        {7, -7},
                        {0, 0},
                        {3, 2},
                        {6, 0}}) {
    EXPECT_EQ(s.point(X + dx, Y + dy), col_sun) << dx << "," << dy;
  }
  EXPECT_EQ(s.point(X + 8, Y + 8), col_night) << "rays end at 7 on the diagonals";
  for (auto [dx, dy] : p) {
    EXPECT_TRUE(std::abs(dx) <= 9 && std::abs(dy) <= 9) << dx << "," << dy;
    EXPECT_EQ(s.point(X + dx, Y + dy), col_sun);
  }
  EXPECT_EQ(s.fill_style(), FillStyle::solid);
  EXPECT_EQ(s.fill_color(), col_sun);
}

TEST(Mrk, LetteredPlanets) {
  struct Case {
    int k;
    const char* letter;
    double up;  // how far above the point the letter's top is
    Rgb color;
  };
  const Case cases[] = {
      {1, "m", 6, col_sun},   {2, "V", 4, col_sun},   {4, "M", 4, col_mars},
      {7, "U", 5, col_outer}, {8, "N", 4, col_outer}, {9, "P", 4, col_outer},
  };
  for (const auto& k : cases) {
    RecordingSurface s;
    s.set_fill_style(FillStyle::solid);  // the mark must set transparent itself
    draw(s, k.k);
    ASSERT_EQ(s.printed.size(), 1u) << k.letter;
    EXPECT_EQ(s.printed[0].text, k.letter);
    EXPECT_EQ(s.printed[0].x, X - 2) << k.letter;
    EXPECT_EQ(s.printed[0].y, Y - k.up) << k.letter;
    EXPECT_EQ(s.printed[0].color, k.color) << k.letter;
    EXPECT_EQ(s.fill_style(), FillStyle::transparent) << k.letter;
    for (auto [dx, dy] : {std::pair{5, 0}, {-5, 0}, {0, -5}, {0, 5}}) {
      EXPECT_EQ(s.point(X + dx, Y + dy), k.color) << k.letter << " circle " << dx << "," << dy;
    }
    EXPECT_EQ(s.point(X - 4, Y), col_night) << k.letter << ": the circle is not filled";
    for (auto [dx, dy] : marks(s)) {
      EXPECT_TRUE(std::abs(dx) <= 8 && std::abs(dy) <= 10) << k.letter << " " << dx << "," << dy;
      EXPECT_EQ(s.point(X + dx, Y + dy), k.color) << k.letter << " " << dx << "," << dy;
    }
  }
}

TEST(Mrk, JupiterDiscWithThreeBands) {
  RecordingSurface s;
  draw(s, 5);
  EXPECT_EQ(s.point(X + 3, Y + 1), col_moon) << "filled disc";
  for (auto [dx, dy] : {std::pair{-5, 0}, {5, 0}, {0, 0}, {-4, -2}, {4, -2}, {-4, 2}, {4, 2}}) {
    EXPECT_EQ(s.point(X + dx, Y + dy), col_outer) << dx << "," << dy;
  }
  for (auto [dx, dy] : marks(s)) EXPECT_LE(dx * dx + dy * dy, 25) << dx << "," << dy;
  EXPECT_EQ(s.fill_style(), FillStyle::solid);
  EXPECT_EQ(s.fill_color(), col_moon);
}

TEST(Mrk, SaturnDiscAndOpenRing) {
  RecordingSurface s;
  draw(s, 6);
  EXPECT_EQ(s.point(X, Y), col_moon);
  EXPECT_EQ(s.point(X + 3, Y), col_moon);
  EXPECT_EQ(s.point(X + 7, Y), col_moon) << "ring, long axis";
  EXPECT_EQ(s.point(X - 7, Y), col_moon);
  EXPECT_EQ(s.point(X + 5, Y), col_night) << "the ring is not filled";
  for (auto [dx, dy] : marks(s)) {
    EXPECT_TRUE(std::abs(dx) <= 7 && std::abs(dy) <= 3) << dx << "," << dy;
  }
  EXPECT_EQ(s.fill_style(), FillStyle::transparent);
}

TEST(Mrk, MoonLeavesTheFillStyleAlone) {
  for (FillStyle fs : {FillStyle::solid, FillStyle::transparent}) {
    RecordingSurface s;
    s.set_fill_style(fs);
    draw(s, 10, 12);
    EXPECT_EQ(s.fill_style(), fs);
    EXPECT_EQ(s.fore_color(), col_moon);
  }
}

TEST(Mrk, AnyOtherKindDrawsTheMoon) {
  RecordingSurface ref;
  draw(ref, 10, 3);
  for (int k : {3, 11, -1, 42}) {
    RecordingSurface s;
    draw(s, k, 3);
    EXPECT_EQ(marks(s), marks(ref)) << "kind " << k;
  }
}

TEST(Mrk, MoonReturnsTheFoldedPhaseAngle) {
  struct Case {
    double d, phi;
  };
  const Case cases[] = {{0, 0}, {6, 90 * rd}, {-6, 2 * pi - 270 * rd}, {12, pi}, {-12, pi}};
  for (const auto& k : cases) {
    RecordingSurface s;
    s.set_back_color(col_night);
    double d = k.d;
    mrk(s, 10, X, Y, d);
    EXPECT_NEAR(d, k.phi, 1e-12) << "d_mrk " << k.d;
  }
}

TEST(Mrk, OtherBodiesLeaveThePhaseUntouched) {
  RecordingSurface s;
  double d = 5.5;
  mrk(s, 0, X, Y, d);
  EXPECT_EQ(d, 5.5);
}

}  // namespace
}  // namespace hz
