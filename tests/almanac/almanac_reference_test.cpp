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
using testing::bodies;
using testing::kind_names;
using testing::phase_minutes;
using testing::twilight_minutes;

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
