// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/zoomed_dome.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/constants.hpp"
#include "render/dome_cache.hpp"
#include "test_surface.hpp"

namespace hz {
namespace {

using test::pixels_of;
using test::RecordingSurface;

// Pixels of the grid that may stand beyond the edge: a line's last piece
// rounds to the pixel beside it.
constexpr double edge_slack_px = 1.5;

struct ZoomedView {
  double zoom, alt0, az0;
};

void draw(RecordingSurface& s, const ZoomedView& v) {
  s.set_back_color(col_night);
  zoomed_dome(s, v.alt0, v.az0, xc_sky, yc_sky, r_sky / v.zoom, scl_sky * v.zoom, col_grid, col_hor,
              col_text);
}

TEST(ZoomedDome, TheGridStaysInsideTheFieldAndSomeOfItIsDrawn) {
  const ZoomedView views[] = {{2, 90, 180}, {4, 45, 200},  {16, 70, 10},
                              {3, 10, 90},  {8, 0.5, 359}, {1.5, 30, 0}};
  for (const ZoomedView& v : views) {
    RecordingSurface s;
    draw(s, v);
    const auto grid = pixels_of(s, col_grid);
    EXPECT_GT(grid.size(), 500u) << v.zoom << " " << v.alt0 << " " << v.az0;
    for (auto [x, y] : grid) {
      ASSERT_LE(std::hypot(x - xc_sky, y - yc_sky), r_sky * scl_sky + edge_slack_px)
          << v.zoom << " " << v.alt0 << " " << v.az0 << ": " << x << "," << y;
    }
  }
}

TEST(ZoomedDome, LookingAtTheHorizonItRunsThroughTheCentre) {
  // Looking straight at the horizon, it runs through the centre: 2.5
  // degrees (30 pixels at 12 a degree) either side, between the azimuth
  // lines of every 5 degrees, the pixels are the horizon's.
  RecordingSurface s;
  draw(s, {4, 0, 90});
  EXPECT_EQ(s.point(xc_sky - 30, yc_sky), col_hor);
  EXPECT_EQ(s.point(xc_sky + 30, yc_sky), col_hor);
  ASSERT_NE(s.find("東"), nullptr) << "east is the centre";
}

TEST(ZoomedDome, TheLegendStatesTheRadius) {
  const struct {
    double r;
    const char* text;
  } cases[] = {
      {45, "視線を中心とする半径45ﾟの円"},
      {90 / std::sqrt(2.0), "視線を中心とする半径63.6ﾟの円"},
      {22.5, "視線を中心とする半径22.5ﾟの円"},
      {5.625, "視線を中心とする半径5.6ﾟの円"},  // 56.25 tenths: half to even
      {6.0, "視線を中心とする半径6ﾟの円"},
  };
  for (const auto& c : cases) EXPECT_EQ(field_radius_legend(c.r), c.text) << c.r;
  RecordingSurface s;
  draw(s, {2, 90, 180});
  EXPECT_NE(s.find("視線を中心とする半径45ﾟの円"), nullptr);
}

TEST(ZoomedDome, AFewLinesCrossTheRadiusAtEveryZoom) {
  for (double zoom = 2; zoom <= 16; zoom += 0.05) {
    const double r = r_sky / zoom;
    const double lines = r / grid_step_degrees(r);
    EXPECT_GE(lines, 3) << zoom;
    EXPECT_LE(lines, 8) << zoom;
  }
}

TEST(ZoomedDome, TheDomeCacheKeysOnTheZoom) {
  RecordingSurface cached, fresh;
  DomeCache dome;
  cached.set_back_color(col_night);
  for (int k = 0; k < 3; ++k) {
    dome.sph(cached, 45, 200, xc_sky, yc_sky, r_sky, scl_sky, col_grid, col_hor, col_text);
  }
  dome.sph(cached, 45, 200, xc_sky, yc_sky, r_sky / 4, scl_sky * 4, col_grid, col_hor, col_text);
  draw(fresh, {4, 45, 200});
  EXPECT_EQ(cached.image(), fresh.image());
}

}  // namespace
}  // namespace hz
