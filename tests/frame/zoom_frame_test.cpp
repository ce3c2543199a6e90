// SPDX-License-Identifier: GPL-3.0-or-later
// Magnified frames: every layer and the hover follow the zoom.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "constellation/constellations.hpp"
#include "frame/driver_rig.hpp"
#include "frame/frame_driver.hpp"
#include "frame/frame_view.hpp"
#include "frame/manual_timer.hpp"
#include "render/projection.hpp"
#include "render/zoomed_dome.hpp"
#include "render_qt/image_surface.hpp"
#include "steer/identify.hpp"
#include "support/fake_fields.hpp"
#include "support/table_rows.hpp"

namespace hz {
namespace {

using testing::FakeFields;

constexpr double pixel_tolerance = 1;
const int sirius = testing::star_row("alp CMa");

struct FrameRig : testing::DriverRig<ImageSurface> {
  // 2027-01-15 21:00 JST over Tokyo, Sirius low in the south-south-east,
  // the Moon in the west; looking at az, alt magnified zoom times.
  const FrameReport& frame(double zoom, const char* alt, const char* az) {
    fields.start(139.74, 35.68, 2027, 1, 15, 21, 0)
        .set(Field::view_altitude, alt)
        .set(Field::view_azimuth, az);
    fields.options_.zoom = zoom;
    return start_ok();
  }
};

double from_centre(double x, double y) { return std::hypot(x - xc_sky, y - yc_sky); }

TEST(ZoomFrame, TwiceTheZoomTwiceSiriussDistanceFromTheCentre) {
  FrameRig one, two;
  const ObjectRow s1 = one.frame(1, "40", "170").objects[sirius];
  const ObjectRow s2 = two.frame(2, "40", "170").objects[sirius];
  ASSERT_TRUE(s1.drawn && s2.drawn);
  const double r1 = from_centre(*s1.xp, *s1.yp), r2 = from_centre(*s2.xp, *s2.yp);
  EXPECT_GT(r1, 30) << "far enough from the centre to tell";
  EXPECT_NEAR(r2, 2 * r1, pixel_tolerance);
}

TEST(ZoomFrame, AZoomWhilePausedIsRedrawnAtTheSameMoment) {
  FrameRig r, two;
  const ObjectRow before = r.frame(1, "40", "170").objects[sirius];
  const double t2000 = r.driver.last_frame().t2000;
  r.driver.pause_or_resume();
  r.fields.options_.zoom = 2;
  r.driver.redraw();
  const ObjectRow after = r.driver.last_frame().objects[sirius];
  EXPECT_EQ(r.driver.last_frame().t2000, t2000) << "the clock stays";
  EXPECT_NEAR(from_centre(*after.xp, *after.yp), 2 * from_centre(*before.xp, *before.yp),
              pixel_tolerance);
  two.frame(2, "40", "170");
  EXPECT_EQ(r.drawn().image(), two.drawn().image()) << "as a frame drawn zoomed";
}

TEST(ZoomFrame, TheHoverFindsWhatIsDrawnZoomed) {
  FrameRig r;
  const FrameReport& f = r.frame(4, "30", "150");
  const ObjectRow& s = f.objects[sirius];
  ASSERT_TRUE(s.drawn);
  EXPECT_EQ(object_at(f, r.driver.stars(), *s.xp + 2, *s.yp - 2), sirius);
  const auto k = constellation_under(f, *s.xp + 3, *s.yp + 3);
  ASSERT_TRUE(k.has_value());
  EXPECT_STREQ(constellations[static_cast<std::size_t>(*k)].abbreviation, "CMa");
  // Outside the 270-pixel disc is outside the field, at any zoom.
  EXPECT_FALSE(constellation_under(f, xc_sky + 275, yc_sky).has_value());
  EXPECT_TRUE(constellation_under(f, xc_sky + 265, yc_sky).has_value());
}

TEST(ZoomFrame, TheFaintStarsFollowTheZoom) {
  FrameRig r;
  r.fields.options_.magnitude_limit = 6.0;
  const FrameReport& f = r.frame(4, "30", "150");
  int drawn = 0;
  for (const ExtendedRow& row : f.extended) {
    if (!row.drawn) continue;
    ++drawn;
    const double px = from_centre(*row.xp, *row.yp);
    EXPECT_NEAR(px, *row.d / rd * scl_sky * 4, 1e-6);
    EXPECT_LE(px, r_sky * scl_sky + 1e-6);
  }
  EXPECT_GT(drawn, 100);
}

TEST(ZoomFrame, TheMoonMagnifiedIsDrawnAtItsApparentSize) {
  // The Moon's apparent radius lies between 14.7' and 16.8' (at apogee and
  // perigee): at 16 × 3 pixels a degree, 11.8 to 13.4 pixels, where its mark
  // has 8.
  constexpr double smallest = 14.7 / 60 * 48, largest = 16.8 / 60 * 48;
  FrameRig r;
  r.frame(16, "33.75", "260.45");
  const ObjectRow& moon = r.driver.last_frame().objects[moon_index];
  ASSERT_TRUE(moon.drawn);
  const int cx = static_cast<int>(std::nearbyint(*moon.xp));
  const int cy = static_cast<int>(std::nearbyint(*moon.yp));
  int top = cy, bottom = cy;
  for (int y = cy - 20; y <= cy + 20; ++y) {
    for (int x = cx - 20; x <= cx + 20; ++x) {
      if (r.drawn().point(x, y) != col_moon) continue;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  EXPECT_GE(bottom - top, 2 * smallest - pixel_tolerance);
  EXPECT_LE(bottom - top, 2 * largest + pixel_tolerance);
}

// Pixels a line may stand off the place the projection gives it: its pieces
// round to whole pixels. Measured on the views below: 1.01 px off a grid
// degree, 0.51 px beyond the field's edge.
constexpr double line_slack_px = 1.25;

// How far, in pixels at a scale, a direction lies from the nearest multiple
// of step degrees of altitude or of azimuth.
double off_grid_px(const Horizon& h, double step, double scale) {
  const double alt = h.alt / rd, az = h.az / rd;
  const double off_alt = std::fabs(alt - step * std::nearbyint(alt / step));
  const double off_az = std::fabs(az - step * std::nearbyint(az / step)) * std::cos(h.alt);
  return std::min(off_alt, off_az) * scale;
}

TEST(ZoomFrame, MagnifiedEveryLayerStaysInTheFieldAndTheGridOnItsDegrees) {
  const struct {
    double zoom;
    const char* alt;
    const char* az;
  } views[] = {{2, "40", "170"},   {4, "89.5", "0"},  {4, "30", "150"},
               {16, "0.5", "120"}, {16, "60", "200"}, {2, "2", "260"}};
  int figure_drawn = 0, name_drawn = 0, boundary_drawn = 0;
  for (const auto& v : views) {
    SCOPED_TRACE(::testing::Message() << "zoom " << v.zoom << ", alt " << v.alt << ", az " << v.az);
    FrameRig r;
    r.fields.options_.grid = true;
    r.fields.options_.constellation_lines = true;
    r.fields.options_.constellation_names = true;
    r.fields.options_.constellation_boundaries = true;
    r.fields.options_.magnitude_limit = 6.0;
    const FrameReport& f = r.frame(v.zoom, v.alt, v.az);
    const FrameView view = view_of(f);
    const SkyRotation rot = frame_rotation(view);
    const double step = grid_step_degrees(view.radius);
    const double edge = view.radius * view.scale + line_slack_px;
    int grid_drawn = 0;
    for (int y = 0; y < surface_height; ++y) {
      for (int x = 0; x < surface_width; ++x) {
        const Rgb c = r.drawn().point(x, y).value_or(col_night);
        if (c != col_grid && c != col_figure && c != col_name && c != col_boundary) continue;
        ASSERT_LE(from_centre(x, y), edge) << x << "," << y << " outside the field";
        figure_drawn += c == col_figure;
        name_drawn += c == col_name;
        boundary_drawn += c == col_boundary;
        if (c != col_grid) continue;
        ++grid_drawn;
        const auto uvw = unproject(x, y, xc_sky, yc_sky, view.scale);
        ASSERT_TRUE(uvw);
        const Horizon h = alt_az_of(rot.horizon(rot.equator_of_view(*uvw)));
        ASSERT_LE(off_grid_px(h, step, view.scale), line_slack_px)
            << x << "," << y << ": alt " << h.alt / rd << ", az " << h.az / rd;
      }
    }
    EXPECT_GT(grid_drawn, 300);
    // And each altitude circle of the grid is drawn where the projection
    // puts it, but where another layer is drawn over it.
    int on_line = 0, off_line = 0;
    const double alt0 = view.view_alt;
    for (double a = step * std::ceil((alt0 - view.radius) / step);
         a <= 80 && a <= alt0 + view.radius; a += step) {
      if (a <= 0) continue;  // the horizon is the horizon's colour
      for (double az = 0; az < 360; az += 0.05) {
        const Projected p =
            prj(alt0 * rd, view.view_az * rd, xc_sky, yc_sky, view.scale, a * rd, az * rd);
        if (p.d / rd > view.radius * 0.98) continue;
        bool found = false;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx)
            found =
                found || r.drawn().point(static_cast<int>(std::nearbyint(p.xp)) + dx,
                                         static_cast<int>(std::nearbyint(p.yp)) + dy) == col_grid;
        (found ? on_line : off_line)++;
      }
    }
    EXPECT_GT(on_line, 0);
    // Measured: at most 1.0 % under the other layers.
    EXPECT_LE(off_line, on_line / 50) << "points of the altitude circles not drawn";
  }
  EXPECT_GT(figure_drawn, 0);
  EXPECT_GT(name_drawn, 0);
  EXPECT_GT(boundary_drawn, 0);
}

}  // namespace
}  // namespace hz
