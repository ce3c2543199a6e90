// SPDX-License-Identifier: GPL-3.0-or-later
// The science lesson's pictures where the sky has them: the ecliptic through
// the Sun, the equator and the grid through their places of date, the
// meridian through the zenith and the south point, the Milky Way's levels at
// known places; all hidden by day like the stars.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "common/object_layout.hpp"
#include "common/picture_colours.hpp"
#include "frame/driver_rig.hpp"
#include "frame/frame_view.hpp"
#include "frame/reference_lines.hpp"
#include "render/projection.hpp"
#include "render_qt/image_surface.hpp"
#include "support/reference_models.hpp"

namespace hz {
namespace {

using FrameRig = testing::DriverRig<ImageSurface>;

// Whether a pixel of the 3 x 3 around (x, y) has colour c.
bool near_colour(const ImageSurface& s, double x, double y, Rgb c) {
  const double cx = std::nearbyint(x), cy = std::nearbyint(y);
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (s.point(cx + dx, cy + dy) == c) return true;
  return false;
}

// The drawn ecliptic is one great circle, and the Sun of any moment lies on it
// within 0.01 degrees.
TEST(LessonFrame, TheEclipticPassesThroughTheSun) {
  const SkyPath& e = ecliptic_path();
  const Vec3 a = e[10], b = e[55];
  Vec3 pole{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
  const double n = std::sqrt(pole.x * pole.x + pole.y * pole.y + pole.z * pole.z);
  pole = {pole.x / n, pole.y / n, pole.z / n};
  for (const Vec3& p : e) EXPECT_NEAR(p.x * pole.x + p.y * pole.y + p.z * pole.z, 0, 1e-12);

  std::mt19937 random(30);
  for (int k = 0; k < 12; ++k) {
    const int year = std::uniform_int_distribution(1800, 2200)(random);
    const int month = std::uniform_int_distribution(1, 12)(random);
    const int day = std::uniform_int_distribution(1, 28)(random);
    const int hour = std::uniform_int_distribution(0, 23)(random);
    FrameRig r;
    r.fields.start(139.74, 35.68, year, month, day, hour, 0);
    const ObjectRow& sun = r.start_ok().objects[sun_index];
    const Vec3 s = equatorial_vector(*sun.ra_h, *sun.dec_deg);
    const double off = std::asin(s.x * pole.x + s.y * pole.y + s.z * pole.z) / rd;
    EXPECT_LT(std::fabs(off), 0.01) << year << "-" << month << "-" << day << " " << hour << " h";
  }
}

// Magnified 16 times (48 pixels a degree) about each point, in a frame of
// 2100, when the equator of date stands 0.6 degrees from J2000's: each
// crossing of the grid, and the equator, pass through their places of date.
TEST(LessonFrame, TheEquatorAndTheGridPassThroughTheirPlacesOfDate) {
  struct Case {
    double ra_h, dec_deg;
    Rgb colour;
  } const cases[] = {{3, 0, col_equator},          {5, 20, col_equatorial_grid},
                     {7, 50, col_equatorial_grid}, {9, 0, col_equator},
                     {2, 70, col_equatorial_grid}, {4, -10, col_equatorial_grid}};
  for (const Case& c : cases) {
    FrameRig r;
    r.fields.start(139.74, 35.68, 2100, 1, 15, 21, 0);
    r.fields.options_.equator = r.fields.options_.equatorial_grid = true;
    const FrameReport& first = r.start_ok();
    ObjectRow row;
    place_in_field(view_of(first), c.ra_h, c.dec_deg, row);
    ASSERT_GT(*row.alt, 10 * rd) << c.ra_h << " h " << c.dec_deg;
    r.fields.set(Field::view_altitude, std::to_string(*row.alt / rd));
    r.fields.set(Field::view_azimuth, std::to_string(*row.az / rd));
    r.fields.options_.zoom = 16;
    r.driver.redraw();
    const ObjectRow at = [&] {
      ObjectRow o;
      place_in_field(view_of(r.driver.last_frame()), c.ra_h, c.dec_deg, o);
      return o;
    }();
    ASSERT_TRUE(at.xp && at.yp);
    EXPECT_TRUE(near_colour(r.drawn(), *at.xp, *at.yp, c.colour))
        << c.ra_h << " h " << c.dec_deg << " at " << *at.xp << ", " << *at.yp;
  }
}

// Looking at the zenith: the meridian runs through it and through the north
// and south points' side of the sky.
TEST(LessonFrame, TheMeridianPassesThroughTheZenithAndTheSouthPoint) {
  FrameRig r;
  r.fields.start(139.74, 35.68, 2027, 1, 15, 21, 0);
  r.fields.options_.meridian = true;
  r.start_ok();
  const struct {
    double alt, az;  // degrees
  } points[] = {{90, 0}, {60, 180}, {20, 180}, {1, 180}, {45, 0}, {5, 0}};
  for (const auto& p : points) {
    const Projected s = prj(90 * rd, 180 * rd, xc_sky, yc_sky, scl_sky, p.alt * rd, p.az * rd);
    EXPECT_TRUE(near_colour(r.drawn(), s.xp, s.yp, col_meridian)) << p.alt << ", " << p.az;
  }
  // Not along the east-west line.
  const Projected east = prj(90 * rd, 180 * rd, xc_sky, yc_sky, scl_sky, 45 * rd, 90 * rd);
  EXPECT_FALSE(near_colour(r.drawn(), east.xp, east.yp, col_meridian));
}

// The Milky Way's levels at places an observer knows, each looked at from
// Tokyo magnified 8 times: Baade's window and the Scutum star cloud in the
// brightest level; the galactic centre itself, behind the dust lane, in the
// third (as the source has it); the anticentre faint; the galactic pole
// outside. Galactic to J2000 by the Hipparcos rotation, precessed by the
// IAU 1976 model.
TEST(LessonFrame, TheMilkyWaysLevelsWhereTheSkyHasThem) {
  struct Case {
    double l, b;      // galactic, degrees
    int month, hour;  // JST, 2027, the 15th, when the place is high
    int level;        // 0: outside
  } const cases[] = {{1.02, -3.92, 7, 22, 5},
                     {26, -2, 7, 22, 5},
                     {0, 0, 7, 22, 3},
                     {180, 0, 1, 21, 1},
                     {0, 90, 4, 23, 0}};
  const double to_j2000[3][3] = {{-0.0548755604162154, 0.4941094278755837, -0.8676661490190047},
                                 {-0.8734370902348850, -0.4448296299600112, -0.1980763734312015},
                                 {-0.4838350155487132, 0.7469822444972189, 0.4559837761750669}};
  for (const Case& c : cases) {
    const double g[3] = {std::cos(c.b * rd) * std::cos(c.l * rd),
                         std::cos(c.b * rd) * std::sin(c.l * rd), std::sin(c.b * rd)};
    double e[3];
    for (int i = 0; i < 3; ++i)
      e[i] = to_j2000[i][0] * g[0] + to_j2000[i][1] * g[1] + to_j2000[i][2] * g[2];
    FrameRig r;
    r.fields.start(139.74, 35.68, 2027, c.month, 15, c.hour, 0);
    r.fields.options_.milky_way = true;
    const FrameReport& f = r.start_ok();
    const reference::Place p =
        reference::precess_iau1976({std::atan2(e[1], e[0]), std::asin(e[2])}, f.stars_epoch);
    const double ra_h = p.ra / (15 * rd), dec_deg = p.dc / rd;
    ObjectRow row;
    place_in_field(view_of(f), ra_h, dec_deg, row);
    ASSERT_GT(*row.alt, 15 * rd) << c.l << ", " << c.b;
    r.fields.set(Field::view_altitude, std::to_string(*row.alt / rd));
    r.fields.set(Field::view_azimuth, std::to_string(*row.az / rd));
    r.fields.options_.zoom = 8;
    r.driver.redraw();
    ASSERT_TRUE(place_in_field(view_of(r.driver.last_frame()), ra_h, dec_deg, row));
    const Rgb want = c.level == 0 ? col_night : col_milky_way[c.level - 1];
    int same = 0;
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx)
        same += r.drawn().point(std::nearbyint(*row.xp) + dx, std::nearbyint(*row.yp) + dy) == want;
    EXPECT_GE(same, 20) << "l " << c.l << ", b " << c.b << ": of the 25 pixels about it";
  }
}

// The Moon in the Milky Way (2027-01-20 21:00 JST, Gemini): its fill reads
// colours back, and comes out exactly as on the plain sky.
TEST(LessonFrame, TheMoonInTheMilkyWayIsFilledExactly) {
  FrameRig plain, full;
  for (FrameRig* r : {&plain, &full}) r->fields.start(139.74, 35.68, 2027, 1, 20, 21, 0);
  full.fields.options_.milky_way = true;
  plain.start_ok();
  const ObjectRow& moon = full.start_ok().objects[moon_index];
  ASSERT_TRUE(moon.drawn);
  const int cx = static_cast<int>(std::nearbyint(*moon.xp));
  const int cy = static_cast<int>(std::nearbyint(*moon.yp));
  int milky = 0, moon_pixels = 0;
  for (int y = cy - 16; y <= cy + 16; ++y) {
    for (int x = cx - 16; x <= cx + 16; ++x) {
      const bool was = plain.drawn().point(x, y) == col_moon;
      moon_pixels += was;
      milky += full.drawn().point(x, y) == col_milky_way[0];
      EXPECT_EQ(full.drawn().point(x, y) == col_moon, was) << "at " << x << ", " << y;
    }
  }
  EXPECT_GT(milky, 100) << "the Milky Way must be about the Moon for the test to mean anything";
  EXPECT_GT(moon_pixels, 60) << "the Moon is filled";
}

// Every picture hidden by day as the stars are, unless stars by day are chosen.
TEST(LessonFrame, HiddenByDayLikeTheStars) {
  struct Case {
    int hh;  // JST, Tokyo, 2027-01-15
    bool stars_by_day;
    bool shown;
  } const cases[] = {{21, false, true}, {12, false, false}, {12, true, true}};
  const Rgb colours[] = {col_equator,    col_ecliptic, col_meridian,    col_equatorial_grid,
                         col_star_label, col_asterism, col_milky_way[0]};
  for (const Case& c : cases) {
    FrameRig r;
    r.fields.start(139.74, 35.68, 2027, 1, 15, c.hh, 0);
    FrameOptions& o = r.fields.options_;
    o.equator = o.ecliptic = o.meridian = o.equatorial_grid = o.milky_way = o.star_names =
        o.asterisms = true;
    o.stars_by_day = c.stars_by_day;
    r.start_ok();
    for (Rgb colour : colours) {
      bool any = false;
      for (int y = 0; y < surface_height && !any; ++y)
        for (int x = 0; x < surface_width && !any; ++x) any = r.drawn().point(x, y) == colour;
      EXPECT_EQ(any, c.shown) << c.hh << " h, colour " << colour;
    }
  }
}

}  // namespace
}  // namespace hz
