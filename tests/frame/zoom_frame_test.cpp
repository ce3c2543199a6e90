// SPDX-License-Identifier: GPL-3.0-or-later
// Magnified frames: every layer and the hover follow the zoom.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "constellation/constellations.hpp"
#include "frame/driver_rig.hpp"
#include "frame/frame_driver.hpp"
#include "frame/manual_timer.hpp"
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

}  // namespace
}  // namespace hz
