// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/grab_view.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "common/constants.hpp"
#include "render/projection.hpp"
#include "render/sky_rotation.hpp"
#include "steer/view_steps.hpp"

namespace hz {
namespace {

// A grab keeps the grabbed direction under the pointer to this many pixels,
// after the line of sight is written into the fields in their steps.
constexpr double pixel_tolerance = 1.0;

// The angle between two lines of sight, degrees.
double angle_between(const HorizonDirection& a, const HorizonDirection& b) {
  const double c =
      std::sin(a.alt_deg * rd) * std::sin(b.alt_deg * rd) +
      std::cos(a.alt_deg * rd) * std::cos(b.alt_deg * rd) * std::cos((a.az_deg - b.az_deg) * rd);
  return std::acos(std::clamp(c, -1.0, 1.0)) / rd;
}

// Where a view draws a horizon direction, by prj itself.
Projected drawn_at(const HorizonDirection& view, double zoom, const HorizonDirection& dir) {
  const FieldGeometry g = field_geometry(zoom);
  return prj(view.alt_deg * rd, view.az_deg * rd, g.x0, g.y0, g.scl, dir.alt_deg * rd,
             dir.az_deg * rd);
}

// The view after a drag from (x1, y1) to (x2, y2) as the window makes it: a
// move of the pointer every few pixels, each solved from the view written
// into the fields by the last.
HorizonDirection drag(const HorizonDirection& grabbed, double x1, double y1, double x2, double y2,
                      HorizonDirection view, double zoom) {
  constexpr int moves = 20;
  for (int i = 1; i <= moves; ++i) {
    const double f = static_cast<double>(i) / moves;
    const HorizonDirection solved =
        grab_view(grabbed, x1 + f * (x2 - x1), y1 + f * (y2 - y1), view, field_geometry(zoom));
    view = in_field_steps(solved, view_decimals(zoom));
  }
  return view;
}

// Drags across the field from one pixel to another: the direction under the
// first pixel ends under the second.
TEST(GrabView, GrabbedDirectionFollowsThePointer) {
  struct Case {
    const char* why;
    HorizonDirection view;
    double zoom;
    double x1, y1, x2, y2;
  } const cases[] = {
      {"south, halfway up, drag right", {45, 180}, 1, 320, 350, 420, 350},
      {"south, halfway up, drag down", {45, 180}, 1, 300, 300, 300, 380},
      {"diagonal, toward the centre", {30, 90}, 1, 200, 250, 330, 340},
      {"looking at the horizon, drag up", {0, 270}, 1, 320, 300, 330, 420},
      {"horizon, grab near the edge", {0, 10}, 1, 560, 340, 500, 380},
      {"the zenith, turn about it", {90, 180}, 1, 300, 250, 420, 330},
      {"the zenith, a point of the south dragged up", {90, 180}, 1, 320, 450, 320, 400},
      {"just off the zenith", {89.5, 0}, 1, 320, 250, 400, 280},
      {"below the horizon", {-40, 300}, 1, 200, 500, 260, 420},
      {"zoomed 4x, south", {45, 180}, 4, 320, 350, 500, 250},
      {"zoomed 4x, near the zenith", {88, 45}, 4, 300, 450, 380, 420},
      {"zoomed 4x, at the horizon", {0, 359.9}, 4, 330, 350, 250, 300},
      {"zoomed 4x, across north", {20, 2}, 4, 320, 350, 560, 350},
  };
  for (const Case& c : cases) {
    const auto grabbed = direction_at(c.x1, c.y1, c.view, field_geometry(c.zoom));
    ASSERT_TRUE(grabbed) << c.why;
    // The inverse is prj's: the grabbed direction is drawn at the first pixel.
    const Projected before = drawn_at(c.view, c.zoom, *grabbed);
    EXPECT_NEAR(before.xp, c.x1, 1e-6) << c.why;
    EXPECT_NEAR(before.yp, c.y1, 1e-6) << c.why;

    const HorizonDirection view = drag(*grabbed, c.x1, c.y1, c.x2, c.y2, c.view, c.zoom);
    const Projected after = drawn_at(view, c.zoom, *grabbed);
    EXPECT_LE(std::hypot(after.xp - c.x2, after.yp - c.y2), pixel_tolerance)
        << c.why << ": view " << view.alt_deg << ", " << view.az_deg << " draws it at " << after.xp
        << ", " << after.yp;
  }
}

// The zenith is always drawn straight above the centre, 90 - alt degrees up
// for a view alt degrees high: grabbed and dragged, it goes to the point of
// that line nearest the pointer. Below the centre that is the centre itself,
// the view at the zenith (where every azimuth draws it at the centre); above
// the centre, the altitude that puts it there.
TEST(GrabView, OutOfReachDrawsTheZenithAsNearAsItCan) {
  constexpr double exact_deg = 1e-6;
  const HorizonDirection zenith{90, 0};
  const struct {
    const char* why;
    HorizonDirection now;
    double x, y;
    double alt;
  } cases[] = {
      {"straight below the centre", {80, 180}, 320, 500, 90},
      {"below and right", {60, 359.95}, 600, 650, 90},
      {"330 pixels above: 110 degrees above the line of sight", {-80, 0}, 320, 20, -20},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(grab_view(zenith, c.x, c.y, c.now, field_geometry(1)).alt_deg, c.alt, exact_deg)
        << c.why;
}

// Seeded random drags from random views and zooms, in every direction, in the
// window's moves of a few pixels, each written into the fields: after every
// move the grabbed direction is under the pointer whenever some view with
// its altitude in -90..90 draws it there (a view at altitude s does when
// u cos s + w sin s = sin alt, (u, v, w) the pointer's place in the view's
// frame); else no view near the one chosen draws it nearer, and the line of
// sight has not leapt there. Views at the zenith and the nadir, where the old
// solver only turned the sky about the centre, are among them.
TEST(GrabView, RandomDragsKeepTheDirectionUnderThePointer) {
  constexpr double miss_px = 2;          // after the fields' rounding
  constexpr double nearer_px = 0.5;      // a nearby view no better than this
  constexpr double leap_deg = 60;        // the most the line of sight moves in a move
  constexpr double move_px = 3;          // the window's mouse moves
  constexpr double reach_margin = 1e-4;  // sin alt this far inside the reach
  std::mt19937 random(26);
  const auto unit = [&random] { return random() / 4294967296.0; };
  for (int k = 0; k < 300; ++k) {
    const double zoom = zoom_of_level(static_cast<int>(random() % (zoom_level_max + 1)));
    const FieldGeometry g = field_geometry(zoom);
    const int n = view_decimals(zoom);
    HorizonDirection view = in_field_steps({-90 + 180 * unit(), 360 * unit()}, n);
    if (k % 10 < 2) view.alt_deg = k % 10 == 0 ? 90 : -90;
    const double field_px = g.radius * g.scl;
    const double r1 = 0.9 * field_px * std::sqrt(unit()), a1 = 2 * pi * unit();
    const double x1 = g.x0 + r1 * std::cos(a1), y1 = g.y0 + r1 * std::sin(a1);
    const double length = 0.9 * field_px * unit(), a = 2 * pi * unit();
    const double x2 = x1 + length * std::cos(a), y2 = y1 + length * std::sin(a);
    const auto grabbed = direction_at(x1, y1, view, g);
    ASSERT_TRUE(grabbed);
    const int moves = std::max(1, static_cast<int>(length / move_px));
    for (int i = 1; i <= moves; ++i) {
      const double f = static_cast<double>(i) / moves;
      const double x = x1 + f * (x2 - x1), y = y1 + f * (y2 - y1);
      if (std::hypot(x - g.x0, y - g.y0) > field_px) break;  // off the field
      const HorizonDirection before = view;
      view = in_field_steps(grab_view(*grabbed, x, y, view, g), n);
      const auto miss = [&](const HorizonDirection& v) {
        const Projected p = drawn_at(v, zoom, *grabbed);
        return std::hypot(p.xp - x, p.yp - y);
      };
      const auto p = unproject(x, y, g.x0, g.y0, g.scl);
      const double r = std::hypot(p->x, p->z), sin_alt = std::sin(grabbed->alt_deg * rd);
      // The reach: r cos(s - phi) = sin alt for some s within -90..90.
      const double phi = std::atan2(p->z, p->x);
      const double hi = std::abs(phi) <= pi / 2 ? r : r * std::cos(std::abs(phi) - pi / 2);
      const double lo = r * std::cos(pi / 2 + std::abs(phi));
      const bool reachable = sin_alt < hi - reach_margin && sin_alt > lo + reach_margin;
      const std::string at = "case " + std::to_string(k) + " move " + std::to_string(i);
      if (reachable) {
        EXPECT_LE(miss(view), miss_px) << at;
      } else {
        for (const double step : {0.05, 0.5, 5.0})
          for (int j = 0; j < 16; ++j)
            EXPECT_GE(miss(turned(view, step * std::sin(j * pi / 8), step * std::cos(j * pi / 8))),
                      miss(view) - nearer_px)
                << at;
        EXPECT_LE(angle_between(before, view), leap_deg) << at;
      }
    }
  }
}

TEST(ViewSteps, ZoomLevelsAreSqrtTwoApartAndEvenLevelsExact) {
  const double exact[] = {1, 2, 4, 8, 16};
  for (int level = 0; level <= zoom_level_max; level += 2)
    EXPECT_EQ(zoom_of_level(level), exact[level / 2]) << level;
  for (int level = 1; level <= zoom_level_max; ++level)
    EXPECT_NEAR(zoom_of_level(level) / zoom_of_level(level - 1), std::sqrt(2.0), 1e-15) << level;
  EXPECT_EQ(zoom_of_level(-1), 1);
  EXPECT_EQ(zoom_of_level(9), 16);
}

TEST(ViewSteps, FieldStepsAndTurns) {
  struct Case {
    const char* why;
    HorizonDirection view;
    double zoom;
    const char* alt;
    const char* az;
  } const cases[] = {
      {"tenths at zoom 1", {45.04, 180.06}, 1, "45", "180.1"},
      {"hundredths zoomed", {45.044, 180.066}, 2, "45.04", "180.07"},
      {"half to even", {12.25, 0.35}, 1, "12.2", "0.4"},
      {"a hair below 360 reads 0", {10, 359.97}, 1, "10", "0"},
      {"negative azimuth wraps", {-0.01, -90}, 1, "0", "270"},
      {"altitude held at 90", {90.04, 10}, 1, "90", "10"},
  };
  for (const Case& c : cases) {
    const int n = view_decimals(c.zoom);
    const HorizonDirection v = in_field_steps(c.view, n);
    EXPECT_EQ(view_text(v.alt_deg, n), c.alt) << c.why;
    EXPECT_EQ(view_text(v.az_deg, n), c.az) << c.why;
  }
  const struct {
    HorizonDirection view;
    double d_alt, d_az;
    double alt, az;
  } turns[] = {{{88, 358}, 5, 5, 90, 3}, {{-87, 2}, -5, -5, -90, 357}, {{10, 0}, 1, 0, 11, 0}};
  for (const auto& t : turns) {
    const HorizonDirection v = turned(t.view, t.d_alt, t.d_az);
    EXPECT_EQ(v.alt_deg, t.alt);
    EXPECT_EQ(v.az_deg, t.az);
  }
}

}  // namespace
}  // namespace hz
