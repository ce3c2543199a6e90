// SPDX-License-Identifier: GPL-3.0-or-later
// The hover tips as a user reads them, against references from outside the
// program: the Sun's and the Moon's day against the swetest fixture of
// tests/almanac, a planet's altitude at its transit against the same, and the
// bright stars' names and magnitudes against bright-stars.tsv (V magnitudes;
// the Japanese names as star atlases print them).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "almanac/almanac_fixture.hpp"
#include "frame/driver_rig.hpp"
#include "render_qt/image_surface.hpp"
#include "steer/identify.hpp"
#include "support/table_rows.hpp"

namespace hz {
namespace {

// Tips print times to the minute, rounded; angles to whole arcminutes.
constexpr double printed_minute = 0.5;
constexpr double printed_arcminute_deg = 0.5 / 60;
// The star table holds magnitudes to a tenth, as the tip prints them; against
// bright-stars.tsv's V the largest miss of the stars below is 0.06 (Sirius,
// -1.5 against -1.44).
constexpr double catalogue_magnitude_tolerance = 0.07;

struct Rig : testing::DriverRig<ImageSurface> {
  const FrameReport& start(double lon, double lat, int yr, int mn, int dy, int hh, int mi) {
    fields.start(lon, lat, yr, mn, dy, hh, mi);
    return start_ok();
  }
};

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

// The five characters after `label` in the tip, as minutes of the day;
// none for "--:--".
std::optional<double> minutes_after(const std::string& tip, const std::string& label) {
  const std::size_t at = tip.find(label);
  int h = 0, m = 0;
  if (at == std::string::npos || std::sscanf(tip.c_str() + at + label.size(), "%d:%d", &h, &m) != 2)
    return std::nullopt;
  return h * 60.0 + m;
}

// "高度 -0°30′" → -0.5.
double altitude_in(const std::string& tip) {
  const std::size_t at = tip.find("高度 ") + std::string("高度 ").size();
  int d = 0, m = 0;
  EXPECT_EQ(std::sscanf(tip.c_str() + at + 1, "%d°%d", &d, &m), 2) << tip;
  return (tip[at] == '-' ? -1 : 1) * (d + m / 60.0);
}

TEST(TipReference, SunAndMoonTellTheirDayAsSwetestGivesIt) {
  // The Moon's age at noon from swetest's new moon of 1900-01-01 at
  // 22.866 h JST: 6 days 13.134 h, 14 days 13.134 h.
  const struct {
    int yr, mn, dy;
    double age;
  } ages[] = {{1900, 1, 8, 6.547}, {1900, 1, 16, 14.547}};
  const std::vector<testing::AlmanacFixtureDay> fixture = testing::read_almanac_fixture();
  int aged = 0;
  for (std::size_t i = 0; i + 1 < fixture.size(); ++i) {
    const testing::AlmanacFixtureDay& sun = fixture[i];
    const testing::AlmanacFixtureDay& moon = fixture[i + 1];
    if (sun.body != "Sun") continue;
    Rig r;
    const FrameReport& f = r.start(sun.lon, sun.lat, sun.yr, sun.mn, sun.dy, 12, 0);
    const std::string tips[] = {describe_object(f, r.driver.stars(), sun_index),
                                describe_object(f, r.driver.stars(), moon_index)};
    const struct {
      const testing::AlmanacFixtureDay& day;
      const std::string& tip;
      const char* label;
      const char* kind;
      double minutes;
    } lines[] = {
        {sun, tips[0], "日の出 ", "rise_35", testing::bodies[0].minutes},
        {sun, tips[0], "日の入 ", "set_35", testing::bodies[0].minutes},
        {moon, tips[1], "月の出 ", "rise_35", testing::bodies[1].minutes},
        {moon, tips[1], "月の入 ", "set_35", testing::bodies[1].minutes},
    };
    for (const auto& l : lines) {
      SCOPED_TRACE(l.tip);
      if (testing::grazes(l.day)) continue;
      const std::vector<double> hours = testing::fixture_events(l.day, l.kind);
      ASSERT_NE(l.tip.find(l.label), std::string::npos);
      // An event within the tolerance of midnight may fall on either day.
      if (!hours.empty() && (hours[0] * 60 < l.minutes || (24 - hours[0]) * 60 < l.minutes))
        continue;
      const std::optional<double> ours = minutes_after(l.tip, l.label);
      ASSERT_EQ(ours.has_value(), !hours.empty()) << l.label;
      if (!ours) continue;
      EXPECT_NEAR(*ours, hours[0] * 60, l.minutes + printed_minute) << l.label;
    }
    for (const auto& a : ages) {
      if (a.yr != sun.yr || a.mn != sun.mn || a.dy != sun.dy) continue;
      ++aged;
      double age = 0;
      const std::size_t at = tips[1].find("月齢 ");
      ASSERT_NE(at, std::string::npos) << tips[1];
      ASSERT_EQ(std::sscanf(tips[1].c_str() + at + std::string("月齢 ").size(), "%lf", &age), 1);
      // Printed to a tenth; the new moon is the theory's, within
      // phase_minutes of swetest's.
      EXPECT_NEAR(age, a.age, 0.05 + testing::phase_minutes / 1440) << tips[1];
    }
  }
  EXPECT_EQ(aged, 2);
}

// A planet at the minute of its transit (Tokyo, 2006-01-21): its names, no
// magnitude and no almanac lines, and its altitude as swetest gives it
// (within half a minute of the transit the altitude moves by a
// thousandth of an arcminute).
TEST(TipReference, APlanetAtItsTransit) {
  // In the order of the fixture's bodies from Mercury on: the object
  // table's row (the Earth's is sun_index + 3) and the tip's title.
  const struct {
    int object;
    const char* title;
  } planets[] = {
      {sun_index + 1, "水星 (Mercury)"},   {sun_index + 2, "金星 (Venus)"},
      {sun_index + 4, "火星 (Mars)"},      {sun_index + 5, "木星 (Jupiter)"},
      {sun_index + 6, "土星 (Saturn)"},    {sun_index + 7, "天王星 (Uranus)"},
      {sun_index + 8, "海王星 (Neptune)"}, {sun_index + 9, "冥王星 (Pluto)"},
  };
  for (const testing::AlmanacFixtureDay& d : testing::read_almanac_fixture()) {
    if (d.yr != 2006 || d.dy != 21 || d.body == "Sun" || d.body == "Moon") continue;
    int b = 2;
    while (d.body != testing::bodies[b].name) ++b;
    const testing::AlmanacFixtureEvent transit = d.events.at("transit").at(0);
    const int minute = static_cast<int>(std::nearbyint(transit.hours * 60));
    Rig r;
    const FrameReport& f = r.start(d.lon, d.lat, d.yr, d.mn, d.dy, minute / 60, minute % 60);
    const std::string tip = describe_object(f, r.driver.stars(), planets[b - 2].object);
    const std::vector<std::string> lines = lines_of(tip);
    ASSERT_EQ(lines.size(), 3u) << tip;
    EXPECT_EQ(lines[0], planets[b - 2].title);
    EXPECT_EQ(lines[1].rfind("高度 ", 0), 0u) << tip;
    EXPECT_EQ(lines[2].rfind("赤経 ", 0), 0u) << tip;
    EXPECT_NEAR(altitude_in(tip), transit.alt, testing::bodies[b].degrees + printed_arcminute_deg)
        << tip;
  }
}

// Bright stars under the pointer (Tokyo, 2027-01-16 01:00 JST): the Japanese
// name with the English one, and the magnitude, from bright-stars.tsv.
TEST(TipReference, BrightStarsByNameAndMagnitude) {
  const struct {
    const char* designation;
    const char* title;
    double vmag;
  } stars[] = {
      {"alp CMa", "シリウス (Sirius)", -1.44},       {"bet Ori", "リゲル (Rigel)", 0.28},
      {"alp Aur", "カペラ (Capella)", 0.08},         {"alp CMi", "プロキオン (Procyon)", 0.40},
      {"alp Tau", "アルデバラン (Aldebaran)", 0.99}, {"alp Gem", "カストル (Castor)", 2.02},
      {"bet Gem", "ポルックス (Pollux)", 1.22},      {"alp Leo", "レグルス (Regulus)", 1.41},
  };
  Rig r;
  const FrameReport& f = r.start(139.69, 35.69, 2027, 1, 16, 1, 0);
  for (const auto& s : stars) {
    const ObjectRow& row = f.objects[static_cast<std::size_t>(testing::star_row(s.designation))];
    ASSERT_TRUE(row.drawn && row.xp && row.yp) << s.designation;
    const std::string tip = describe_point(f, r.driver.stars(), *row.xp + 2, *row.yp - 2);
    const std::vector<std::string> lines = lines_of(tip);
    ASSERT_GE(lines.size(), 3u) << tip;
    EXPECT_EQ(lines[0], s.title);
    double mag = NAN;
    for (const std::string& l : lines)
      if (l.size() > 4 && l.substr(l.size() - 4) == " 等") mag = std::stod(l);
    EXPECT_NEAR(mag, s.vmag, catalogue_magnitude_tolerance) << tip;
  }
}

}  // namespace
}  // namespace hz
