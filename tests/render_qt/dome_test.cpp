// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/dome.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "common/constants.hpp"
#include "render/projection.hpp"
#include "render_qt/image_surface.hpp"
#include "test_surface.hpp"

namespace hz {
namespace {

using test::Pixels;
using test::pixels_of;
using test::RecordingSurface;

const std::string legend1 = "視線を中心とする半径90ﾟの円";
const std::string legend2 = "地平線";

// The frame driver's call: field of 90 degrees at (320, 350), 3 px/degree.
void draw(RecordingSurface& s, double alt0, double az0, Rgb grid = col_grid) {
  s.set_back_color(col_night);
  sph(s, alt0, az0, xc_sky, yc_sky, r_sky, scl_sky, grid, col_hor, col_text);
}

double dist(std::pair<int, int> p) { return std::hypot(p.first - 320.0, p.second - 350.0); }

bool contains_all(const Pixels& big, const Pixels& small) {
  return std::includes(big.begin(), big.end(), small.begin(), small.end());
}

TEST(Sph, DefaultViewHorizonIsTheCircleOfRadius270) {
  RecordingSurface s;
  draw(s, 90, 180);
  // Every whole degree of the horizon: east on the left, north at the top.
  for (int a = 0; a < 360; ++a) {
    const double x = 320 - 270 * std::sin(a * rd);
    const double y = 350 - 270 * std::cos(a * rd);
    EXPECT_EQ(s.point(x, y), col_hor) << "azimuth " << a;
  }
  // Nothing else of the horizon colour inside the field but the labels of
  // north and east, which hang 10 below their points.
  Pixels labels = test::text_pixels("北", 316, 90, col_hor);
  labels.merge(test::text_pixels("東", 46, 360, col_hor));
  for (auto p : pixels_of(s, col_hor)) {
    if (!labels.count(p)) {
      EXPECT_GT(dist(p), 267) << p.first << "," << p.second;
    }
  }
  // No field boundary at the zenith: white only in the legend rows.
  for (auto [x, y] : pixels_of(s, col_text)) EXPECT_LT(y, 40) << x;
}

TEST(Sph, DefaultViewCardinalPointsAndLabels) {
  struct Case {
    const char* label;
    double x, y;
  };
  const Case cases[] = {{"南", 320, 620}, {"北", 320, 80}, {"東", 50, 350}, {"西", 590, 350}};
  RecordingSurface s;
  draw(s, 90, 180);
  const Pixels hor = pixels_of(s, col_hor);
  for (const auto& k : cases) {
    const test::Printed* p = s.find(k.label);
    ASSERT_NE(p, nullptr) << k.label;
    EXPECT_NEAR(p->x, k.x - 4, 1e-9) << k.label << ": 4 left of the centre";
    EXPECT_NEAR(p->y, k.y + 10, 1e-9) << k.label << ": 10 below the centre";
    EXPECT_EQ(p->color, col_hor) << k.label;
    EXPECT_TRUE(contains_all(hor, test::text_pixels(k.label, k.x - 4, k.y + 10, col_hor)))
        << k.label << " not drawn at its place";
    // The small circle of radius 2 around the point.
    const int cx = static_cast<int>(k.x), cy = static_cast<int>(k.y);
    for (auto [dx, dy] : {std::pair{2, 0}, {-2, 0}, {0, 2}, {0, -2}, {1, 1}, {-1, -1}}) {
      EXPECT_EQ(s.point(cx + dx, cy + dy), col_hor) << k.label << " circle " << dx << "," << dy;
    }
  }
  EXPECT_EQ(s.fore_color(), col_hor);
  EXPECT_EQ(s.fill_style(), FillStyle::transparent);
}

TEST(Sph, LegendLinesAndTexts) {
  RecordingSurface s;
  draw(s, 90, 180);
  for (int x = 300; x <= 400; ++x) {
    EXPECT_EQ(s.point(x, 27), col_text) << x;
    EXPECT_EQ(s.point(x, 47), col_hor) << x;
  }
  EXPECT_NE(s.point(299, 27), col_text);
  EXPECT_NE(s.point(401, 47), col_hor);
  const test::Printed* a = s.find(legend1);
  const test::Printed* b = s.find(legend2);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->x, 440);
  EXPECT_EQ(a->y, 22);
  EXPECT_EQ(a->color, col_text);
  EXPECT_EQ(b->x, 440);
  EXPECT_EQ(b->y, 42);
  EXPECT_EQ(b->color, col_hor);
  EXPECT_TRUE(contains_all(pixels_of(s, col_text), test::text_pixels(legend1, 440, 22, col_text)));
  EXPECT_TRUE(contains_all(pixels_of(s, col_hor), test::text_pixels(legend2, 440, 42, col_hor)));
}

TEST(Sph, BoundaryArcOnlyBeyondHalfADegreeFromTheZenith) {
  auto arc_pixels = [](double alt0) {
    RecordingSurface s;
    draw(s, alt0, 180);
    std::size_t n = 0;
    for (auto p : pixels_of(s, col_text)) {
      if (p.second > 40 && std::fabs(dist(p) - 270) < 1) ++n;
    }
    return n;
  };
  EXPECT_GT(arc_pixels(89.4), 500u) << "89.4: the upper half circle is drawn";
  EXPECT_EQ(arc_pixels(89.6), 0u) << "89.6: the horizon is the boundary";
}

TEST(Sph, LookingAtTheSouthernHorizon) {
  RecordingSurface s;
  draw(s, 0, 180);
  // The horizon is the horizontal diameter; its ends belong to the arc.
  for (int x = 53; x <= 587; ++x) EXPECT_EQ(s.point(x, 350), col_hor) << x;
  EXPECT_EQ(s.point(320, 80), col_text) << "top of the boundary arc";
  EXPECT_EQ(s.point(50, 350), col_text) << "left end of the arc";
  EXPECT_EQ(s.point(590, 350), col_text) << "right end of the arc";
  EXPECT_EQ(s.point(320, 620), col_night) << "no lower half";
  const test::Printed* south = s.find("南");
  const test::Printed* east = s.find("東");
  const test::Printed* west = s.find("西");
  ASSERT_TRUE(south && east && west);
  EXPECT_NEAR(south->x, 316, 1e-9);
  EXPECT_NEAR(south->y, 360, 1e-9);
  EXPECT_NEAR(east->x, 46, 1e-9);
  EXPECT_NEAR(west->x, 586, 1e-9);
  EXPECT_EQ(s.find("北"), nullptr) << "north is 180 degrees away";
}

TEST(Sph, GridDrawnInItsColourOrHidden) {
  RecordingSurface on;
  draw(on, 90, 180, col_grid);
  EXPECT_EQ(on.point(320, 350), col_grid) << "azimuth lines meet at the zenith";
  EXPECT_EQ(on.point(320 - 240 * std::sin(5 * rd), 350 - 240 * std::cos(5 * rd)), col_grid)
      << "node of the 10-degree altitude circle at azimuth 5";
  RecordingSurface off;
  draw(off, 90, 180, col_night);
  EXPECT_TRUE(pixels_of(off, col_grid).empty());
  EXPECT_EQ(off.point(320, 350), col_night);
  EXPECT_EQ(off.point(320, 620), col_hor) << "the horizon is still drawn";
}

// Records every line drawn, rounded as the rasteriser rounds its ends.
class LineLog : public ImageSurface {
 public:
  struct Segment {
    double x1, y1, x2, y2;
    Rgb c;
    bool operator==(const Segment&) const = default;
  };
  void line(double x1, double y1, double x2, double y2, Rgb c) override {
    lines.push_back({std::rint(x1), std::rint(y1), std::rint(x2), std::rint(y2), c});
    ImageSurface::line(x1, y1, x2, y2, c);
  }
  void polyline(std::span<const Point> points, Rgb c) override { Surface::polyline(points, c); }
  std::vector<Segment> lines;
};

// The grid's segments as prj alone places them: a node belongs to the field
// when prj's distance is under r + 0.1 degrees.
std::vector<LineLog::Segment> grid_by_prj(double alt0, double az0, double x0, double y0, double r,
                                          double scl) {
  struct Node {
    double x, y;
    bool in;
  };
  auto node = [&](int a, int h) {
    const Projected p = prj(alt0 * rd, az0 * rd, x0, y0, scl, h * rd, a * rd);
    return Node{std::rint(p.xp), std::rint(p.yp), p.d / rd < r + 0.1};
  };
  std::vector<LineLog::Segment> out;
  auto segment = [&](Node i, Node j, Rgb c) {
    if (i.in && j.in) out.push_back({i.x, i.y, j.x, j.y, c});
  };
  for (int a = 0; a <= 360; a += 10) {
    for (int h = 1; h <= 90; ++h) segment(node(a, h), node(a, h - 1), col_grid);
  }
  for (int h = 0; h <= 80; h += 10) {
    for (int a = 1; a <= 360; ++a) segment(node(a, h), node(a - 1, h), h == 0 ? col_hor : col_grid);
  }
  return out;
}

TEST(Sph, GridNodesAreWherePrjPutsThem) {
  // Views all over the sky, and centres on half pixels, where rounding is
  // decided by the last bits; the large scale leaves the quick path.
  struct View {
    double alt0, az0, x0, y0, r, scl;
  };
  std::vector<View> views;
  for (double alt0 = -90; alt0 <= 90; alt0 += 7.3) {
    for (const double az0 : {0.0, 33.3, 180.0, 725.5, -45.0}) {
      views.push_back({alt0, az0, xc_sky, yc_sky, r_sky, scl_sky});
    }
  }
  for (const double alt0 : {90.0, 89.6, 89.4, 45.0, 0.0, -90.0}) {
    views.push_back({alt0, 180, 320.5, 350.5, r_sky, scl_sky});
    views.push_back({alt0, 90, 320.5, 350, 89.9, 2.5});
  }
  // Nodes on the field's edge, 90.1 degrees from the line of sight.
  for (const double alt0 : {-0.1, 0.1, -89.9}) {
    for (const double az0 : {0.0, 180.0, 725.5})
      views.push_back({alt0, az0, xc_sky, yc_sky, r_sky, scl_sky});
  }
  views.push_back({30, 200, 320, 350, r_sky, 1000});
  for (const View& v : views) {
    LineLog s;
    s.set_back_color(col_night);
    sph(s, v.alt0, v.az0, v.x0, v.y0, v.r, v.scl, col_grid, col_hor, col_text);
    const auto expected = grid_by_prj(v.alt0, v.az0, v.x0, v.y0, v.r, v.scl);
    ASSERT_GE(s.lines.size(), expected.size());
    const std::vector<LineLog::Segment> grid(s.lines.begin(), s.lines.begin() + expected.size());
    EXPECT_TRUE(grid == expected) << "view " << v.alt0 << " " << v.az0 << " at " << v.x0 << ", "
                                  << v.y0 << " scale " << v.scl;
  }
}

// With the grid off (in the sky's colour) its lines are skipped: the same
// pixels as the grid drawn in a colour of its own and then painted over in
// the sky's, wherever it is not covered by what comes after it.
TEST(Sph, AGridInTheSkysColourIsTheGridPaintedOver) {
  constexpr Rgb marked = rgb(1, 2, 3);
  for (double alt0 = -10; alt0 <= 90; alt0 += 12.5) {
    for (const double az0 : {0.0, 47.3, 180.0}) {
      for (const double scl : {scl_sky, 0.2, 40.0}) {
        RecordingSurface off, on;
        off.set_back_color(col_night);
        on.set_back_color(col_night);
        sph(off, alt0, az0, xc_sky, yc_sky, r_sky, scl, col_night, col_hor, col_text);
        sph(on, alt0, az0, xc_sky, yc_sky, r_sky, scl, marked, col_hor, col_text);
        for (auto [x, y] : pixels_of(on, marked)) on.pset(x, y, col_night);
        ASSERT_EQ(off.image(), on.image()) << alt0 << " " << az0 << " scale " << scl;
      }
    }
  }
}

TEST(Sph, ClearsWhatWasThere) {
  RecordingSurface s;
  s.set_back_color(col_night);
  s.pset(320, 300, col_sun);
  sph(s, 90, 180, xc_sky, yc_sky, r_sky, scl_sky, col_night, col_hor, col_text);
  EXPECT_EQ(s.point(320, 300), col_night);
}

}  // namespace
}  // namespace hz
