// SPDX-License-Identifier: GPL-3.0-or-later
// Rising, setting and transit of the Sun and the Moon against Swiss
// Ephemeris: the times Debian's swetest gives at a dozen places and dates
// (1800 to 2200, both hemispheres, the equator, 70 N in midnight sun and
// polar night), written once to data/almanac_reference.tsv by
// tools/make_almanac_fixture.sh.
//
// swetest was asked for a geometric horizon (-norefrac; the Sun's upper
// limb, the Moon's centre, topocentric), so the almanac is asked with
// refraction 0: the rules' 35' only moves the altitude sought, and its own
// sign is checked against the national observatory's times in
// almanac_rules_test.cpp. Every event of the day must be there, and no more.
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "almanac/almanac_day.hpp"
#include "almanac/almanac_fixture.hpp"

namespace hz {
namespace {

using testing::almanac_tolerance_minutes;
using testing::AlmanacFixtureDay;

std::vector<double> ours(const AlmanacDay& d, AlmanacBody b, AlmanacEventKind k) {
  std::vector<double> out;
  for (const AlmanacEvent& e : d.events)
    if (e.body == b && e.kind == k) out.push_back(e.hours);
  return out;
}

TEST(AlmanacReference, SunAndMoonEventsAsSwetestGivesThem) {
  const std::vector<AlmanacFixtureDay> cases = testing::read_almanac_fixture();
  ASSERT_EQ(cases.size(), 26u) << "fixture " << HZ_ALMANAC_FIXTURE;
  const std::tuple<const char*, AlmanacEventKind> kinds[] = {
      {"rise", AlmanacEventKind::rise},
      {"set", AlmanacEventKind::set},
      {"transit", AlmanacEventKind::transit},
  };
  for (const AlmanacFixtureDay& c : cases) {
    std::ostringstream where;
    where << c.body << " at " << c.lon << ", " << c.lat << " on " << c.yr << "-" << c.mn << "-"
          << c.dy << " JST";
    SCOPED_TRACE(where.str());
    const std::optional<AlmanacDay> d = almanac_day(c.lon, c.lat, c.yr, c.mn, c.dy, 0);
    ASSERT_TRUE(d);
    const AlmanacBody b = c.body == "Sun" ? AlmanacBody::sun : AlmanacBody::moon;
    for (const auto& [name, kind] : kinds) {
      const std::vector<double> expected = testing::fixture_events(c, name);
      const std::vector<double> got = ours(*d, b, kind);
      ASSERT_EQ(got.size(), expected.size()) << name;
      for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_NEAR(got[i] * 60, expected[i] * 60, almanac_tolerance_minutes)
            << std::fixed << std::setprecision(2) << name << ": expected " << expected[i]
            << " h, got " << got[i] << " h JST";
    }
  }
}

}  // namespace
}  // namespace hz
