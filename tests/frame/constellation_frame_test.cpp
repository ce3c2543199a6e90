// SPDX-License-Identifier: GPL-3.0-or-later
// Frames with the constellations and the faint stars: what they add, and
// what they must leave alone.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalog/star_table.hpp"
#include "constellation/constellations.hpp"
#include "constellation/extended_stars.hpp"
#include "frame/constellation_layer.hpp"
#include "frame/driver_rig.hpp"
#include "frame/find_mark.hpp"
#include "frame/frame_driver.hpp"
#include "frame/manual_timer.hpp"
#include "render/projection.hpp"
#include "render_qt/image_surface.hpp"
#include "steer/grab_view.hpp"
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
    // A faint star with nothing drawn near it is a single pixel, dimmed from
    // magnitude 5 on: thousands of them must not drown the names.
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
      if (!e.drawn || extended_stars[k].mag < 5 || !alone(e)) continue;
      const int cx = static_cast<int>(std::nearbyint(*e.xp));
      const int cy = static_cast<int>(std::nearbyint(*e.yp));
      const auto dot = r.drawn().point(cx, cy);
      ASSERT_TRUE(dot && *dot != f.sky) << k;
      const Rgb full = col_tbl[extended_stars[k].code];
      EXPECT_LT(red_of(*dot) + green_of(*dot) + blue_of(*dot),
                red_of(full) + green_of(full) + blue_of(full))
          << k << ": dimmer than a bright star of its colour";
      EXPECT_EQ(count_colour(r.drawn(), *dot, cx - 3, cy - 3, cx + 4, cy + 4), 1) << k;
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

// The cardinal points' letters and the caption as the frame draws them: the
// letter's top-left corner 4 pixels left of and 10 below the point, each
// character 12 pixels square (6 wide for ASCII).
struct TextRect {
  int left, top, width, height;
};
std::vector<TextRect> letters_and_caption(const FrameReport& f) {
  std::vector<TextRect> rects;
  const FieldGeometry g = field_geometry(f.options.zoom);
  const double tolerance = f.options.zoom > 1 ? 1.5 / g.scl : 0.5;
  for (int a = 0; a < 360; a += 90) {
    const Projected p = prj(f.view_alt * rd, f.view_az * rd, g.x0, g.y0, g.scl, 0, a * rd);
    if (!(p.d / rd < g.radius + tolerance)) continue;
    rects.push_back({static_cast<int>(std::nearbyint(p.xp)) - 4,
                     static_cast<int>(std::nearbyint(p.yp)) + 10, 12, 12});
  }
  for (const auto* line : {&f.caption.date, &f.caption.time}) {
    const int top = static_cast<int>(line == &f.caption.date ? text_line1_y : text_line2_y);
    rects.push_back(
        {static_cast<int>(caption_x), top, static_cast<int>(text_width(line->c_str())), 12});
  }
  return rects;
}

TEST(ConstellationFrame, NamesKeepOffTheCardinalPointsAndTheCaption) {
  struct Case {
    const char* why;
    int hh;  // JST, Tokyo, 2027-01-15
    const char *alt, *az;
    double zoom;
  } const cases[] = {
      {"the zenith view at 3 h: a name lay over 北 at the top edge", 3, "90", "180", 1},
      {"the view north at 21 h: a name lay over 北", 21, "90", "0", 1},
      {"the view turned 45 degrees: a name lay over a letter at the edge", 21, "90", "45", 1},
      {"a low view: the letters on the horizon inside the field", 21, "20", "90", 1},
      {"magnified 4x about the horizon", 23, "3", "95", 4},
  };
  for (const Case& c : cases) {
    FrameRig r;
    r.fields.start(139.74, 35.68, 2027, 1, 15, c.hh, 0)
        .set(Field::view_altitude, c.alt)
        .set(Field::view_azimuth, c.az);
    r.fields.options_.constellation_names = true;
    r.fields.options_.zoom = c.zoom;
    ASSERT_FALSE(r.driver.start());
    const FrameReport& f = r.driver.last_frame();
    ASSERT_FALSE(f.names_drawn.empty()) << c.why;
    for (const TextRect& t : letters_and_caption(f)) {
      EXPECT_EQ(
          count_colour(r.drawn(), col_name, t.left, t.top, t.left + t.width, t.top + t.height), 0)
          << c.why << ": a name over the text at " << t.left << ", " << t.top;
    }
  }
}

TEST(ConstellationFrame, NamesAreOutlinedInTheSkysColour) {
  FrameRig r;
  r.fields.start(139.74, 35.68, 2027, 1, 15, 21, 0);
  r.fields.options_ = everything_on();
  r.fields.options_.grid = true;
  ASSERT_FALSE(r.driver.start());
  // Every pixel of a name that touches a grid or figure pixel is a fault:
  // the outline keeps the lines a pixel away from the characters, save
  // where a star or a body is drawn over it.
  const ImageSurface& s = r.drawn();
  int name_pixels = 0, touching = 0;
  for (int y = 1; y + 1 < surface_height; ++y) {
    for (int x = 1; x + 1 < surface_width; ++x) {
      if (s.point(x, y) != col_name) continue;
      ++name_pixels;
      for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        const auto n = s.point(x + dx, y + dy);
        touching += n == col_grid || n == col_figure || n == col_boundary;
      }
    }
  }
  EXPECT_GT(name_pixels, 500);
  EXPECT_EQ(touching, 0);
}

TEST(ConstellationFrame, TheFoundObjectIsRingedWhereItStands) {
  struct Case {
    const char* why;
    MarkedTarget marked;
    bool ringed;
  } const cases[] = {
      {"Jupiter, a body", {false, sun_index + 5}, true},
      {"Sirius, a built-in star", {false, 0}, true},  // index set below
      {"Orion, a constellation's label point", {true, 0}, true},
      {"the Sun at 21:00, below the horizon", {false, sun_index}, false},
  };
  for (Case c : cases) {
    FrameRig r;
    r.fields.start(139.74, 35.68, 2027, 1, 15, 21, 0);
    if (c.marked.index == 0 && !c.marked.constellation) {
      for (int i = first_star; i <= last_star; ++i)
        if (std::string(star_names[static_cast<std::size_t>(i - 1)].proper) == "Sirius")
          c.marked.index = i;
    }
    if (c.marked.constellation) {
      for (int k = 0; k < constellation_count; ++k)
        if (std::string(constellations[static_cast<std::size_t>(k)].latin) == "Orion")
          c.marked.index = k;
    }
    r.fields.options_.marked = c.marked;
    ASSERT_FALSE(r.driver.start());
    const FrameReport& f = r.driver.last_frame();
    ASSERT_EQ(f.mark.has_value(), c.ringed) << c.why;
    EXPECT_EQ(count_colour(r.drawn(), col_mark) > 0, c.ringed) << c.why;
    if (!c.ringed) continue;
    if (!c.marked.constellation) {
      const ObjectRow& o = f.objects[static_cast<std::size_t>(c.marked.index)];
      EXPECT_NEAR(f.mark->x, *o.xp, 1e-9) << c.why;
      EXPECT_NEAR(f.mark->y, *o.yp, 1e-9) << c.why;
    }
    const int cx = static_cast<int>(std::nearbyint(f.mark->x));
    const int cy = static_cast<int>(std::nearbyint(f.mark->y));
    EXPECT_EQ(r.drawn().point(cx + mark_radius, cy), col_mark) << c.why;
    EXPECT_EQ(r.drawn().point(cx, cy - mark_radius - 1), col_mark) << c.why;
  }
}

}  // namespace
}  // namespace hz
