// SPDX-License-Identifier: GPL-3.0-or-later
// 天体を探す as a user meets it: a body below the horizon is said to rise when
// swetest says it does (the fixture of tests/almanac, at the standard
// horizon), and a star or a constellation found above it is brought to the
// centre of the view.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "almanac/almanac_fixture.hpp"
#include "frame/driver_rig.hpp"
#include "frame/frame_view.hpp"
#include "render_qt/image_surface.hpp"
#include "steer/find_view.hpp"
#include "steer/identify.hpp"
#include "support/table_rows.hpp"
#include "text/decimal_text.hpp"

namespace hz {
namespace {

// The message gives the rising to the minute, rounded.
constexpr double printed_minute = 0.5;
// A view centred on a target puts it this close to the centre pixel.
constexpr double centre_tolerance_px = 1;
// Asked for this long before the rising; no setting may come between.
constexpr double lead_minutes = 30;

struct Rig : testing::DriverRig<ImageSurface> {
  const FrameReport& start(double lon, double lat, int yr, int mn, int dy, int hh, int mi) {
    fields.start(lon, lat, yr, mn, dy, hh, mi);
    return start_ok();
  }
};

// Every body, on every fixture day on which it rises with room before it:
// found half an hour earlier, it is below the horizon and rises at swetest's
// time.
TEST(FindReference, EveryBodyBelowTheHorizonRisesWhenSwetestSays) {
  const char* names[] = {"太陽", "月",   "水星",   "金星",   "火星",
                         "木星", "土星", "天王星", "海王星", "冥王星"};
  int found[10] = {};
  double worst[10] = {};
  for (const testing::AlmanacFixtureDay& d : testing::read_almanac_fixture()) {
    int b = 0;
    while (d.body != testing::bodies[b].name) ++b;
    const std::vector<double> rises = testing::fixture_events(d, "rise_35");
    if (rises.empty() || testing::grazes(d)) continue;
    const double rise = rises[0] * 60;  // minutes of the JST day
    const int asked = static_cast<int>(std::floor(rise - lead_minutes));
    if (asked < 0 || (24 * 60 - rise) < testing::bodies[b].minutes + printed_minute) continue;
    bool set_between = false;
    for (double h : testing::fixture_events(d, "set_35"))
      set_between |= h * 60 >= asked && h * 60 <= rise;
    if (set_between) continue;

    Rig r;
    const FrameReport& f = r.start(d.lon, d.lat, d.yr, d.mn, d.dy, asked / 60, asked % 60);
    const FindResult found_view = find_view(names[b], &f);
    char expected_head[64];
    std::snprintf(expected_head, sizeof expected_head, "地平線の下です（%d月%d日 ", d.mn, d.dy);
    SCOPED_TRACE(d.body + " on " + std::to_string(d.yr) + "-" + std::to_string(d.mn) + "-" +
                 std::to_string(d.dy) + ": " + found_view.message_ja);
    EXPECT_FALSE(found_view.view);
    ASSERT_EQ(found_view.message_ja.rfind(expected_head, 0), 0u);
    int h = 0, m = 0;
    ASSERT_EQ(std::sscanf(found_view.message_ja.c_str() + std::string(expected_head).size(),
                          "%d時%d分", &h, &m),
              2);
    EXPECT_NEAR(h * 60 + m, rise, testing::bodies[b].minutes + printed_minute);
    // The rising itself, before the message rounds it.
    const TargetView v = view_toward(*find_target(names[b]), f);
    ASSERT_TRUE(v.rising);
    const double miss = std::fabs(asked + (*v.rising - f.t2000) * 36525 * 1440 - rise);
    EXPECT_LE(miss, testing::bodies[b].minutes);
    worst[b] = std::max(worst[b], miss);
    ++found[b];
  }
  for (int b = 0; b < 10; ++b) {
    EXPECT_GE(found[b], 3) << testing::bodies[b].name;
    std::printf("%s: %d risings, largest miss %.3f min\n", testing::bodies[b].name, found[b],
                worst[b]);
  }
}

// Stars and constellations above Tokyo's horizon (2027-01-16 01:00 JST),
// found by either name: the view turned toward a star draws it on the centre
// pixel; toward a constellation, the centre lies within its boundaries.
TEST(FindReference, StarsAndConstellationsComeToTheCentre) {
  const struct {
    const char* name;
    const char* star;           // a built-in star's designation, or
    const char* constellation;  // a constellation's abbreviation
  } targets[] = {
      {"シリウス", "alp CMa", nullptr}, {"Betelgeuse", "alp Ori", nullptr},
      {"カペラ", "alp Aur", nullptr},   {"polaris", "alp UMi", nullptr},
      {"レグルス", "alp Leo", nullptr}, {"Dubhe", "alp UMa", nullptr},
      {"オリオン座", nullptr, "Ori"},   {"Cassiopeia", nullptr, "Cas"},
      {"おおぐま座", nullptr, "UMa"},   {"Gemini", nullptr, "Gem"},
      {"うみへび座", nullptr, "Hya"},   {"Taurus", nullptr, "Tau"},
  };
  for (const auto& t : targets) {
    SCOPED_TRACE(t.name);
    Rig r;
    const FrameReport& before = r.start(139.69, 35.69, 2027, 1, 16, 1, 0);
    const FindResult found = find_view(t.name, &before);
    ASSERT_TRUE(found.view) << found.message_ja;
    r.fields.set(Field::view_altitude, fixed_text(found.view->alt_deg, 9))
        .set(Field::view_azimuth, fixed_text(found.view->az_deg, 9));
    r.driver.redraw();
    const FrameReport& f = r.driver.last_frame();
    if (t.star) {
      const ObjectRow& row = f.objects[static_cast<std::size_t>(testing::star_row(t.star))];
      ASSERT_TRUE(row.drawn && row.xp && row.yp);
      EXPECT_NEAR(*row.xp, xc_sky, centre_tolerance_px);
      EXPECT_NEAR(*row.yp, yc_sky, centre_tolerance_px);
    } else {
      EXPECT_EQ(constellation_under(f, xc_sky, yc_sky),
                testing::constellation_index(t.constellation));
    }
  }
}

}  // namespace
}  // namespace hz
