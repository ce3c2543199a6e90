// SPDX-License-Identifier: GPL-3.0-or-later
// 軌跡 and 動きを描く in the frames: an hour of a star's trail, the trails'
// restart, and Mars turning back in 2022 against swetest's places
// (data/mars_2022.tsv, written by tools/make_motion_fixture.sh).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "frame/driver_rig.hpp"
#include "frame/frame_driver.hpp"
#include "frame/trail_layer.hpp"
#include "frame/view_zoom.hpp"
#include "render_qt/image_surface.hpp"
#include "text/object_names.hpp"

namespace hz {
namespace {

using Rig = testing::DriverRig<ImageSurface>;

// Of the built-in table, by proper name.
int star_named(const std::string& name) {
  for (int i = first_star; i <= last_star; ++i)
    if (object_name(i).english == name) return i;
  ADD_FAILURE() << name;
  return first_star;
}

struct Vec {
  double x, y, z;
};
Vec direction(double alt, double az) {
  return {std::cos(alt) * std::cos(az), std::cos(alt) * std::sin(az), std::sin(alt)};
}
double degrees_between(const Vec& a, const Vec& b) {
  const double c = a.x * b.x + a.y * b.y + a.z * b.z;
  return std::acos(std::fmin(1.0, std::fmax(-1.0, c))) / rd;
}
int pixel(double v) { return static_cast<int>(std::nearbyint(v)); }

// Tokyo, a December evening: Polaris, Capella, Aldebaran and Rigel all up.
void tokyo_evening(Rig& r) { r.fields.start(139.7, 35.7, 2026, 12, 9, 21, 0); }

// An hour of one-minute frames: each star's trail runs through every place
// it was drawn at, and from the first to the last the sky turned 15° of hour
// angle (15.04°, sidereal): an arc of chord 2 asin(cos δ sin 7.52°) about
// the pole, as long as 15° × cos δ.
TEST(Trails, AnHourOfAStarsTrailSpansFifteenDegreesTimesCosDeclination) {
  Rig r;
  tokyo_evening(r);
  r.fields.options_.trails = true;
  const char* stars[] = {"Polaris", "Capella", "Aldebaran", "Rigel"};
  std::vector<std::vector<ObjectRow>> rows(std::size(stars));
  for (int n = 0; n <= 60; ++n) {
    const FrameReport& f = r.start_ok();
    for (std::size_t s = 0; s < std::size(stars); ++s)
      rows[s].push_back(f.objects[star_named(stars[s])]);
  }
  r.start_ok();  // the last place joined to the trail
  const double turned = 15 * 1.00273790935 * rd;
  for (std::size_t s = 0; s < std::size(stars); ++s) {
    SCOPED_TRACE(stars[s]);
    for (const ObjectRow& row : rows[s]) {
      ASSERT_TRUE(row.drawn);
      EXPECT_TRUE(r.driver.trails().has(pixel(*row.xp), pixel(*row.yp)));
    }
    const double dec = *rows[s].front().dec_deg * rd;
    const double chord = 2 * std::asin(std::cos(dec) * std::sin(turned / 2)) / rd;
    const double moved = degrees_between(direction(*rows[s].front().alt, *rows[s].front().az),
                                         direction(*rows[s].back().alt, *rows[s].back().az));
    EXPECT_NEAR(moved, chord, 0.001);
    EXPECT_NEAR(moved, 15 * std::cos(dec), 0.05 + 0.004 * 15 * std::cos(dec));
  }
}

// The trail lies on the frame in its colour, and starts afresh when the line
// of sight changes; switched off, it is gone.
TEST(Trails, ShowOnTheFrameRestartWithTheViewAndGoWhenSwitchedOff) {
  Rig r;
  tokyo_evening(r);
  r.fields.options_.trails = true;
  const int rigel = star_named("Rigel");
  std::vector<ObjectRow> rigel_rows;
  for (int n = 0; n < 30; ++n) rigel_rows.push_back(r.start_ok().objects[rigel]);
  const ObjectRow& mid = rigel_rows[10];
  EXPECT_EQ(r.drawn().point(*mid.xp, *mid.yp), col_star_trail);
  const std::size_t after_30 = r.driver.trails().pixel_count();
  EXPECT_GT(after_30, 1000u);

  r.fields.set(Field::view_altitude, "45");
  r.start_ok();
  EXPECT_LT(r.driver.trails().pixel_count(), 400u) << "one frame's places, nothing joined yet";
  EXPECT_FALSE(r.driver.trails().has(pixel(*mid.xp), pixel(*mid.yp)));

  r.fields.options_.trails = false;
  r.start_ok();
  EXPECT_EQ(r.driver.trails().pixel_count(), 0u);
}

// A day of trails, ten minutes a frame, the view on the pole magnified 16
// times: near the pole only 北極星 leaves a trail, a circle about the pole
// joined all round, within 1.5° across (0.7° from the pole in 2026).
TEST(Trails, PolarisCirclesThePoleWithinAFewTenthsOfADegree) {
  Rig r;
  r.fields.start(139.7, 35.7, 2026, 12, 9, 18, 0);
  r.fields.set(Field::view_altitude, "35.7").set(Field::view_azimuth, "0");
  r.fields.options_.trails = true;
  r.fields.options_.stars_by_day = true;
  r.fields.options_.zoom = 16;
  r.fields.options_.step = *parse_time_step("10m");
  for (int n = 0; n <= 24 * 6 + 1; ++n) r.start_ok();
  const double per_degree = view_scale(r.fields.options_);
  int octants = 0, pixels = 0;
  double farthest = 0, nearest = 90;
  const int reach = static_cast<int>(1.5 * per_degree);
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      if (!r.driver.trails().has(pixel(xc_sky) + dx, pixel(yc_sky) + dy)) continue;
      const double from_pole = std::hypot(dx, dy) / per_degree;
      farthest = std::fmax(farthest, from_pole);
      nearest = std::fmin(nearest, from_pole);
      const int octant = static_cast<int>(std::floor((std::atan2(dy, dx) + pi) / (pi / 4)));
      octants |= 1 << (octant & 7);
      ++pixels;
      int neighbours = 0;
      for (int ny = -1; ny <= 1; ++ny)
        for (int nx = -1; nx <= 1; ++nx)
          neighbours +=
              (nx || ny) && r.driver.trails().has(pixel(xc_sky) + dx + nx, pixel(yc_sky) + dy + ny);
      EXPECT_GE(neighbours, 2) << "a line, not dots: " << dx << ", " << dy;
    }
  }
  EXPECT_GT(pixels, 100);
  EXPECT_EQ(octants, 255) << "closed all round";
  EXPECT_LT(2 * farthest, 1.5);
  EXPECT_GT(nearest, 0.5);
}

struct SwePlace {
  double jd, ra, dec;
};
std::vector<SwePlace> mars_reference() {
  std::ifstream in(HZ_MARS_FIXTURE);
  std::string line;
  std::getline(in, line);  // header
  std::vector<SwePlace> out;
  SwePlace p{};
  while (in >> p.jd >> p.ra >> p.dec) out.push_back(p);
  return out;
}

// 動きを描く for Mars from 2022-10-01 to 2023-01-31 at 23:00 JST: each day's
// place within the theory's Mars tolerance (11', ephemeris_reference_test)
// of swetest's, moving the way swetest's moves (east or west in right
// ascension) on every day not next to a station, and turning back twice:
// westward (逆行) from late October to mid-January.
TEST(Paths, MarsTurnsBackIn2022AsSwetestHasIt) {
  const std::vector<SwePlace> ref = mars_reference();
  ASSERT_EQ(ref.size(), 123u);
  Rig r;
  r.fields.start(139.7, 35.7, 2022, 10, 1, 23, 0);
  BodyPath path;
  path.object = sun_index + 4;  // Mars
  path.days = 123;
  r.fields.options_.path = path;
  const std::vector<PathPlace> places = r.start_ok().path;
  ASSERT_EQ(places.size(), ref.size());

  const auto east = [](double from_deg, double to_deg) {
    return std::remainder(to_deg - from_deg, 360.0) > 0;
  };
  int turns = 0, swetest_turns = 0;
  for (std::size_t k = 0; k < ref.size(); ++k) {
    SCOPED_TRACE(k);
    const PathPlace& p = places[k];
    EXPECT_NEAR((p.t2000 * 36525 + 2451545.0), ref[k].jd, 1e-5);
    const double ra = p.ra_h * 15;
    const double sep = std::acos(std::sin(p.dec_deg * rd) * std::sin(ref[k].dec * rd) +
                                 std::cos(p.dec_deg * rd) * std::cos(ref[k].dec * rd) *
                                     std::cos((ra - ref[k].ra) * rd)) /
                       rd * 60;
    EXPECT_LT(sep, 11);
    if (k < 2) continue;
    const bool now = east(places[k - 1].ra_h * 15, ra);
    const bool before = east(places[k - 2].ra_h * 15, places[k - 1].ra_h * 15);
    const bool ref_now = east(ref[k - 1].ra, ref[k].ra);
    const bool ref_before = east(ref[k - 2].ra, ref[k - 1].ra);
    turns += now != before;
    swetest_turns += ref_now != ref_before;
    const bool near_station =
        ref_now != ref_before || (k + 1 < ref.size() && ref_now != east(ref[k].ra, ref[k + 1].ra));
    if (!near_station) {
      EXPECT_EQ(now, ref_now);
    }
  }
  EXPECT_EQ(swetest_turns, 2);
  EXPECT_EQ(turns, 2);
}

}  // namespace
}  // namespace hz
