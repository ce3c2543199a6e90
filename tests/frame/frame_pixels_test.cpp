// SPDX-License-Identifier: GPL-3.0-or-later
// Frames looked at pixel by pixel: stars and bodies as the frame draws them.
#include <gtest/gtest.h>

#include <cmath>

#include "frame/driver_rig.hpp"
#include "frame/frame_driver.hpp"
#include "frame/manual_timer.hpp"
#include "frame/solar_system.hpp"
#include "frame/star_field.hpp"
#include "render_qt/image_surface.hpp"
#include "support/fake_fields.hpp"
#include "time/sidereal.hpp"

namespace hz {
namespace {

using testing::FakeFields;

int count_colour_near(const ImageSurface& s, double x, double y, Rgb c) {
  int n = 0;
  const int cx = static_cast<int>(std::nearbyint(x)), cy = static_cast<int>(std::nearbyint(y));
  for (int dy = -4; dy <= 4; ++dy) {
    for (int dx = -4; dx <= 4; ++dx) {
      if (s.point(cx + dx, cy + dy) == c) ++n;
    }
  }
  return n;
}

// A frame of stars all at one place, looking at the southern horizon.
struct StarFrame {
  FrameView view{0.2693258042436687, 15, 0, 0.3, 0, 180};
  ObjectArray ra{}, dc{};
  StarTables stars;
  FrameReport report;
  ImageSurface pic;

  StarFrame() {
    stars.mag_st.fill(3.0);
    stars.col_st.fill(6);
  }
  void put_all_stars(double ra_h, double dec_deg) {
    ra.fill(ra_h);
    dc.fill(dec_deg);
  }
  void draw() {
    pic.set_back_color(report.sky);
    DomeCache dome;
    draw_dome_and_stars(pic, dome, view, ra, dc, stars, report);
  }
};

// A star whose altitude comes out exactly 0 is drawn. Due south at hour angle
// 0, z = sin lat sin dc + cos lat cos dc; search latitude and declination (in
// the units the frame converts from) where the rounded products cancel.
TEST(FramePixels, AStarExactlyOnTheHorizonIsDrawn) {
  StarFrame f;
  bool found = false;
  double dec_deg = 0;
  for (int k = 1; k < 3000 && !found; ++k) {
    f.view.lat_obs = 0.0007 * k;
    const double want = f.view.lat_obs - pi / 2;
    dec_deg = want / rd;
    for (int j = 0; j < 64; ++j) dec_deg = std::nextafter(dec_deg, -200.0);
    for (int j = 0; j < 128 && !found; ++j) {
      const double dc = rd * dec_deg;
      found =
          std::sin(f.view.lat_obs) * std::sin(dc) + std::cos(f.view.lat_obs) * std::cos(dc) * 1.0 ==
          0;
      if (!found) dec_deg = std::nextafter(dec_deg, 0.0);
    }
  }
  ASSERT_TRUE(found);

  // Right ascension (hours) giving an hour angle of exactly 0.
  const double target = f.view.lon_obs + 15 * grn(f.view.t2000, f.view.ut_now) * rd;
  double ra_h = target / rd / 15;
  for (int j = 0; j < 64 && rd * 15 * ra_h != target; ++j) {
    ra_h = std::nextafter(ra_h, rd * 15 * ra_h < target ? 100.0 : -100.0);
  }
  ASSERT_EQ(rd * 15 * ra_h, target);

  f.put_all_stars(ra_h, dec_deg);
  f.draw();
  const ObjectRow& star = f.report.objects[first_star];
  ASSERT_EQ(*star.alt, 0.0);
  EXPECT_TRUE(star.drawn);
  EXPECT_EQ(f.pic.point(320, 350), col_tbl[6]) << "due south, at the centre of the view";
}

TEST(FramePixels, DotSizesFollowTheMagnitude) {
  struct Case {
    double mag;
    double size;
    int pixels;
  } const cases[] = {{1.5, 2, 13}, {1.6, 1.5, 9}, {2.5, 1.5, 9}, {2.6, 1, 5}, {5.6, 1, 5}};
  for (const auto& c : cases) {
    EXPECT_EQ(star_dot_size(c.mag), c.size) << c.mag;
    StarFrame f;
    f.view.lat_obs = 35 * rd;
    // On the meridian, 55 degrees up in the south.
    f.put_all_stars((f.view.lon_obs + 15 * grn(f.view.t2000, f.view.ut_now) * rd) / rd / 15, 0);
    f.stars.mag_st.fill(c.mag);
    f.report.options.grid = false;
    f.draw();
    // Every star is at the same place; one dot of that many pixels.
    const ObjectRow& star = f.report.objects[first_star];
    ASSERT_TRUE(star.drawn) << "the test star must be in the field";
    EXPECT_EQ(count_colour_near(f.pic, *star.xp, *star.yp, col_tbl[6]), c.pixels) << c.mag;
  }
}

using FrameRig = testing::DriverRig<ImageSurface>;

TEST(FramePixels, NightSkyShowsStarsAndPlanets) {
  FrameRig r;
  r.fields.start(139.7, 35.7, 2026, 12, 7, 21, 0);
  ASSERT_FALSE(r.driver.start());
  const FrameReport& f = r.driver.last_frame();
  EXPECT_EQ(f.is_day, 0);
  EXPECT_EQ(r.drawn().point(630, 650), col_night);
  int stars_drawn = 0;
  for (int i = first_star; i <= last_star; ++i) stars_drawn += f.objects[i].drawn;
  EXPECT_GT(stars_drawn, 100);
  for (int i = sun_index; i <= moon_index; ++i) {
    const ObjectRow& o = f.objects[i];
    const bool visible = *o.alt >= 0 && *o.d / rd <= 90;
    EXPECT_EQ(o.drawn, visible && i != earth_index) << "object " << i;
  }
}

TEST(FramePixels, DaySkyShowsOnlyTheSunAndTheMoonUnlessAsked) {
  for (bool stars_by_day : {false, true}) {
    FrameRig r;
    r.fields.start(139.7, 35.7, 2026, 6, 21, 12, 0);
    r.fields.options_.stars_by_day = stars_by_day;
    ASSERT_FALSE(r.driver.start());
    const FrameReport& f = r.driver.last_frame();
    ASSERT_EQ(f.is_day, 1);
    EXPECT_EQ(r.drawn().point(630, 650), col_day);

    int stars_drawn = 0, stars_up = 0;
    for (int i = first_star; i <= last_star; ++i) {
      stars_drawn += f.objects[i].drawn;
      stars_up += f.objects[i].xp.has_value() && *f.objects[i].d / rd <= 90;
    }
    EXPECT_EQ(stars_drawn, stars_by_day ? stars_up : 0);

    // The Sun, with its vertical ray 9 pixels below its centre.
    const ObjectRow& sun = f.objects[sun_index];
    ASSERT_TRUE(sun.drawn);
    EXPECT_EQ(r.drawn().point(*sun.xp, *sun.yp), col_sun);
    EXPECT_EQ(r.drawn().point(std::nearbyint(*sun.xp), std::nearbyint(*sun.yp) + 9), col_sun);

    for (int i = sun_index + 1; i < moon_index; ++i) {
      const ObjectRow& o = f.objects[i];
      const bool in_field = *o.alt >= 0 && *o.d / rd <= 90;
      EXPECT_EQ(o.drawn, stars_by_day && in_field && i != earth_index) << "planet " << i;
    }
  }
}

TEST(FramePixels, TheEarthIsNeverDrawn) {
  FrameRig r;
  r.fields.start(0, 0, 2026, 3, 20, 9, 0).set(Field::view_altitude, "-90");
  for (int frame = 0; frame < 30; ++frame) {
    ASSERT_FALSE(r.driver.start());
    const ObjectRow& earth = r.driver.last_frame().objects[earth_index];
    EXPECT_FALSE(earth.drawn);
    EXPECT_EQ(*earth.ra_h, 18) << "the zero vector gives 3 pi / 2";
    EXPECT_EQ(*earth.dec_deg, 0);
  }
}

}  // namespace
}  // namespace hz
