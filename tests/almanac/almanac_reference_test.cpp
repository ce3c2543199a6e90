// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac against Swiss Ephemeris: every event Debian's swetest gives at
// twenty places and dates (1800 to 2200, Japan north to south, both
// hemispheres, the equator, 70 N in midnight sun and polar night), written
// once to data/almanac_reference.tsv by tools/make_almanac_fixture.sh:
// rising, setting and transit of the Sun, the Moon and the planets, the
// three twilights and the four principal phases, each with its azimuth and
// altitude.
//
// swetest was asked for a geometric horizon (-norefrac; the Sun's upper
// limb, the other bodies' centres, topocentric), so the almanac is asked with
// refraction 0: the rules' 35' only moves the altitude sought, and its own
// sign is checked against the national observatory's times in
// almanac_rules_test.cpp. Every event of the day must be there, and no more.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iomanip>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "almanac/almanac_day.hpp"
#include "almanac/almanac_fixture.hpp"

namespace hz {
namespace {

using testing::almanac_tolerance_minutes;
using testing::AlmanacFixtureDay;
using testing::AlmanacFixtureEvent;

// In the order of AlmanacEventKind, as the fixture names them.
const char* const kind_names[] = {
    "rise",          "set",           "transit",           "civil_dawn",        "civil_dusk",
    "nautical_dawn", "nautical_dusk", "astronomical_dawn", "astronomical_dusk", "new_moon",
    "first_quarter", "full_moon",     "last_quarter"};

// Per body, in the order of AlmanacBody: its name in the fixture and how far
// its events may lie from swetest's. The misses come from the theory's places
// (tests/ephem: the outer planets' are tens of arcminutes off); each
// tolerance is a little above the largest miss measured on the fixture's days,
// written beside it.
const struct {
  const char* name;
  double minutes;  // time of an event
  double degrees;  // its direction: the arc between our azimuth and
                   // altitude and swetest's
} bodies[] = {
    {"Sun", almanac_tolerance_minutes, 0.03},  // 0.12 min, 0.021 deg
    {"Moon", almanac_tolerance_minutes, 0.1},  // 0.43 min, 0.075 deg
    {"Mercury", 0.25, 0.04},                   // 0.17 min, 0.025 deg
    {"Venus", 0.5, 0.1},                       // 0.33 min, 0.071 deg
    {"Mars", 0.4, 0.07},                       // 0.27 min, 0.047 deg
    {"Jupiter", 2, 0.2},                       // 1.53 min, 0.147 deg
    {"Saturn", 6, 0.4},                        // 5.16 min, 0.302 deg
    {"Uranus", 8, 0.9},                        // 7.11 min, 0.773 deg
    {"Neptune", 6, 0.8},                       // 4.89 min, 0.695 deg
    {"Pluto", 4.5, 0.35},                      // 3.55 min, 0.289 deg
};

// The twilights and the phases, read from swetest's places a minute apart:
// the twilights miss by 0.12 min at most, as the Sun's times do; a phase by
// up to 5.24 min, the Moon's theory being some arcminutes off and the
// elongation moving only half an arcsecond a second (how tightly each phase
// is solved on the program's own places is almanac_solution_test.cpp's).
constexpr double twilight_minutes = 0.2;
constexpr double phase_minutes = 6;

double arc_deg(double az1, double alt1, double az2, double alt2) {
  const double c = std::sin(alt1 * rd) * std::sin(alt2 * rd) +
                   std::cos(alt1 * rd) * std::cos(alt2 * rd) * std::cos((az1 - az2) * rd);
  return std::acos(std::clamp(c, -1.0, 1.0)) / rd;
}

TEST(AlmanacReference, EveryEventAsSwetestGivesIt) {
  const std::vector<AlmanacFixtureDay> cases = testing::read_almanac_fixture();
  ASSERT_EQ(cases.size(), 200u) << "fixture " << HZ_ALMANAC_FIXTURE;
  std::map<std::string, std::pair<double, double>> worst;  // minutes, degrees
  for (const AlmanacFixtureDay& c : cases) {
    std::ostringstream where;
    where << c.body << " at " << c.lon << ", " << c.lat << " on " << c.yr << "-" << c.mn << "-"
          << c.dy << " JST";
    SCOPED_TRACE(where.str());
    const std::optional<AlmanacDay> d = almanac_day(c.lon, c.lat, c.yr, c.mn, c.dy, 0);
    ASSERT_TRUE(d);
    int b = 0;
    while (b < almanac_body_count && c.body != bodies[b].name) ++b;
    ASSERT_LT(b, almanac_body_count) << "no such body";
    for (int k = 0; k < 13; ++k) {
      const std::string kind = kind_names[k];
      const bool phase = k >= static_cast<int>(AlmanacEventKind::new_moon);
      const bool twilight = !phase && k >= static_cast<int>(AlmanacEventKind::civil_dawn);
      const std::string group = phase ? "phase" : twilight ? "twilight" : c.body;
      const double minutes = phase      ? phase_minutes
                             : twilight ? twilight_minutes
                                        : bodies[b].minutes;
      // An event within the tolerance of midnight may fall on either day.
      const auto inside = [&](double hours) {
        return hours * 60 > minutes && (24 - hours) * 60 > minutes;
      };
      std::vector<AlmanacFixtureEvent> expected;
      if (const auto it = c.events.find(kind); it != c.events.end())
        for (const AlmanacFixtureEvent& e : it->second)
          if (inside(e.hours)) expected.push_back(e);
      std::vector<AlmanacEvent> got;
      for (const AlmanacEvent& e : d->events)
        if (static_cast<int>(e.body) == b && static_cast<int>(e.kind) == k && inside(e.hours))
          got.push_back(e);
      ASSERT_EQ(got.size(), expected.size()) << kind;
      for (std::size_t i = 0; i < got.size(); ++i) {
        const double miss = std::fabs(got[i].hours - expected[i].hours) * 60;
        EXPECT_LE(miss, minutes) << std::fixed << std::setprecision(4) << kind << ": swetest "
                                 << expected[i].hours << " h, ours " << got[i].hours << " h JST";
        worst[group].first = std::max(worst[group].first, miss);
        if (phase) {
          EXPECT_EQ(got[i].az, 0) << kind;
          EXPECT_EQ(got[i].alt, 0) << kind;
          continue;
        }
        const double arc =
            arc_deg(got[i].az / rd, got[i].alt / rd, expected[i].az, expected[i].alt);
        EXPECT_LE(arc, bodies[b].degrees)
            << std::fixed << std::setprecision(3) << kind << ": swetest az " << expected[i].az
            << " alt " << expected[i].alt << ", ours az " << got[i].az / rd << " alt "
            << got[i].alt / rd;
        worst[group].second = std::max(worst[group].second, arc);
      }
    }
  }
  for (const auto& [group, w] : worst)
    std::printf("largest miss, %s: %.3f min, %.4f deg\n", group.c_str(), w.first, w.second);
}

}  // namespace
}  // namespace hz
