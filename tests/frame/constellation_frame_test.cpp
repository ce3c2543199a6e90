// SPDX-License-Identifier: GPL-3.0-or-later
// Frames with the constellations and the faint stars: what they add, and
// what they must leave alone.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "constellation/extended_stars.hpp"
#include "frame/driver_rig.hpp"
#include "frame/frame_driver.hpp"
#include "frame/manual_timer.hpp"
#include "render_qt/image_surface.hpp"
#include "support/fake_fields.hpp"

namespace hz {
namespace {

using testing::FakeFields;

using FrameRig = testing::DriverRig<ImageSurface>;

// 2027-06-17 23:00 JST over Tokyo: the Moon lies on a figure line of Virgo.
void moon_on_a_figure(FakeFields& f) { f.start(139.74, 35.68, 2027, 6, 17, 23, 0); }

FrameOptions everything_on() {
  FrameOptions o;
  o.constellation_lines = o.constellation_names = o.constellation_boundaries = true;
  o.magnitude_limit = 6.0;
  return o;
}

int count_colour(const ImageSurface& s, Rgb c, int x0 = 0, int y0 = 0, int x1 = surface_width,
                 int y1 = surface_height) {
  int n = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) n += s.point(x, y) == c;
  }
  return n;
}

TEST(ConstellationFrame, TheMoonInAFigureIsFilledExactly) {
  FrameRig plain, full;
  moon_on_a_figure(plain.fields);
  moon_on_a_figure(full.fields);
  full.fields.options_ = everything_on();
  ASSERT_FALSE(plain.driver.start());
  ASSERT_FALSE(full.driver.start());
  const ObjectRow& moon = full.driver.last_frame().objects[moon_index];
  ASSERT_TRUE(moon.drawn);

  // A box twice the Moon's size: the figure line runs through it.
  const int cx = static_cast<int>(std::nearbyint(*moon.xp));
  const int cy = static_cast<int>(std::nearbyint(*moon.yp));
  ASSERT_GT(count_colour(full.drawn(), col_figure, cx - 16, cy - 16, cx + 17, cy + 17), 0)
      << "the line must pass by the Moon for the test to mean anything";
  int moon_pixels = 0;
  for (int y = cy - 16; y <= cy + 16; ++y) {
    for (int x = cx - 16; x <= cx + 16; ++x) {
      const bool was = plain.drawn().point(x, y) == col_moon;
      moon_pixels += was;
      EXPECT_EQ(full.drawn().point(x, y) == col_moon, was) << "at " << x << ", " << y;
    }
  }
  EXPECT_GT(moon_pixels, 60) << "the Moon is filled";
}

TEST(ConstellationFrame, NothingPokesOutOfTheFieldNorOverTheCaption) {
  for (const char* alt : {"90", "40", "0"}) {
    FrameRig r;
    r.fields.start(139.74, 35.68, 2027, 1, 15, 21, 0).set(Field::view_altitude, alt);
    r.fields.options_ = everything_on();
    ASSERT_FALSE(r.driver.start());
    int drawn = 0;
    for (int y = 0; y < surface_height; ++y) {
      for (int x = 0; x < surface_width; ++x) {
        const auto c = r.drawn().point(x, y);
        if (c != col_figure && c != col_boundary && c != col_name) continue;
        ++drawn;
        ASSERT_LE(std::hypot(x - xc_sky, y - yc_sky), r_sky * scl_sky)
            << "view altitude " << alt << " at " << x << ", " << y;
      }
    }
    EXPECT_GT(drawn, 1000) << "view altitude " << alt;
  }
}

TEST(ConstellationFrame, HiddenByDayLikeTheStars) {
  struct Case {
    int hh;  // JST, Tokyo, 2027-01-15
    bool stars_by_day;
    bool shown;
  } const cases[] = {{21, false, true}, {12, false, false}, {12, true, true}};
  for (const Case& c : cases) {
    FrameRig r;
    r.fields.start(139.74, 35.68, 2027, 1, 15, c.hh, 0);
    r.fields.options_ = everything_on();
    r.fields.options_.stars_by_day = c.stars_by_day;
    ASSERT_FALSE(r.driver.start());
    const FrameReport& f = r.driver.last_frame();
    int faint = 0;
    for (const ExtendedRow& e : f.extended) faint += e.drawn;
    EXPECT_EQ(count_colour(r.drawn(), col_figure) > 0, c.shown) << c.hh << " h";
    EXPECT_EQ(count_colour(r.drawn(), col_boundary) > 0, c.shown) << c.hh << " h";
    EXPECT_EQ(faint > 1000, c.shown) << c.hh << " h";
    EXPECT_EQ(f.extended.size(), extended_star_count) << "converted all the same";
  }
}

TEST(ConstellationFrame, TheMagnitudeLimitDecidesWhichStarsAreDrawn) {
  struct Case {
    std::optional<double> limit;
    int faint_min, faint_max;  // extended stars drawn
  } const cases[] = {{std::nullopt, 0, 0}, {2.0, 0, 0}, {4.5, 100, 500}, {6.0, 1500, 4741}};
  for (const Case& c : cases) {
    FrameRig r;
    r.fields.start(139.74, 35.68, 2027, 1, 15, 21, 0);
    r.fields.options_.magnitude_limit = c.limit;
    ASSERT_FALSE(r.driver.start());
    const FrameReport& f = r.driver.last_frame();
    int faint = 0;
    for (const ExtendedRow& e : f.extended) faint += e.drawn;
    // A faint star with nothing drawn near it is the dot circle draws: from
    // magnitude 2.6 on, 5 pixels in a plus.
    const auto alone = [&](const ExtendedRow& e) {
      for (const ExtendedRow& o : f.extended) {
        if (&o != &e && o.drawn && std::hypot(*o.xp - *e.xp, *o.yp - *e.yp) < 8) return false;
      }
      for (const ObjectRow& o : f.objects) {
        if (o.drawn && std::hypot(*o.xp - *e.xp, *o.yp - *e.yp) < 8) return false;
      }
      return true;
    };
    for (std::size_t k = 0; k < f.extended.size(); ++k) {
      const ExtendedRow& e = f.extended[k];
      if (!e.drawn || extended_stars[k].mag < 2.6 || !alone(e)) continue;
      const Rgb colour = col_tbl[extended_stars[k].code];
      const int cx = static_cast<int>(std::nearbyint(*e.xp));
      const int cy = static_cast<int>(std::nearbyint(*e.yp));
      EXPECT_EQ(count_colour(r.drawn(), colour, cx - 3, cy - 3, cx + 4, cy + 4), 5) << k;
      EXPECT_EQ(r.drawn().point(cx + 1, cy), colour) << k;
      EXPECT_EQ(r.drawn().point(cx, cy - 1), colour) << k;
      break;
    }
    EXPECT_GE(faint, c.faint_min) << c.limit.value_or(99);
    EXPECT_LE(faint, c.faint_max) << c.limit.value_or(99);
    for (int i = first_star; i <= last_star; ++i) {
      const ObjectRow& o = f.objects[i];
      const bool in_field = o.d && *o.d / rd <= r_sky;
      const bool bright_enough = !c.limit || r.driver.stars().mag_st[i] <= *c.limit;
      EXPECT_EQ(o.drawn, in_field && bright_enough) << "star " << i;
    }
  }
}

TEST(ConstellationFrame, AChangeWhilePausedIsDrawnAtOnceAndTheClockStays) {
  FrameRig r;
  r.fields.start(139.74, 35.68, 2027, 1, 15, 21, 0);
  ASSERT_FALSE(r.driver.start());
  ASSERT_FALSE(r.driver.start());
  r.driver.pause_or_resume();  // paused
  const SimClock before = r.driver.clock();
  const double shown_t2000 = r.driver.shown_frame()->t2000;
  const double last_t2000 = r.driver.last_frame().t2000;
  const ImageSurface& shown = *static_cast<const ImageSurface*>(r.driver.pic_show());
  ASSERT_EQ(count_colour(shown, col_figure), 0);

  r.fields.options_.constellation_lines = true;
  r.driver.redraw();
  EXPECT_GT(count_colour(shown, col_figure), 0) << "the frame on screen shows the lines";
  EXPECT_GT(count_colour(r.drawn(), col_figure), 0) << "and so will the next";
  EXPECT_EQ(r.driver.shown_frame()->t2000, shown_t2000);
  EXPECT_EQ(r.driver.last_frame().t2000, last_t2000);
  EXPECT_EQ(r.driver.clock().ut_now, before.ut_now);
  EXPECT_EQ(r.driver.clock().dy_now, before.dy_now);
  EXPECT_FALSE(r.timer.enabled());

  ASSERT_FALSE(r.driver.start());
  EXPECT_EQ(r.driver.last_frame().caption.time, "21 時02 分 (JST)") << "one minute on, as ever";
}

}  // namespace
}  // namespace hz
