// SPDX-License-Identifier: GPL-3.0-or-later
// The horizon events asked for directly, not through almanac_day: the upper
// meridian passages and the crossings of the geometric rise-and-set
// altitude of a handful of the swetest fixture's days, among them the days
// with an event missing.
#include "almanac/horizon_events.hpp"

#include <gtest/gtest.h>

#include <iomanip>
#include <optional>
#include <string>
#include <vector>

#include "almanac/almanac_fixture.hpp"
#include "common/constants.hpp"

namespace hz {
namespace {

using testing::almanac_tolerance_minutes;
using testing::AlmanacFixtureDay;

std::vector<double> hours_of(const std::vector<HorizonEvent>& events) {
  std::vector<double> out;
  for (const HorizonEvent& e : events) out.push_back(e.hours);
  return out;
}

TEST(HorizonEvents, PassagesAndCrossingsAsSwetestGivesThem) {
  const struct {
    const char* why;
    double lat;
    int yr, mn, dy;
    const char* body;
  } picked[] = {
      {"Sapporo at midsummer", 43.0621, 2026, 6, 21, "Sun"},
      {"Tokyo: the Moon sets and does not rise again that day", 35.6581, 2006, 1, 22, "Moon"},
      {"Buenos Aires: the Sun sets before it rises in the JST day", -34.6037, 2024, 7, 15, "Sun"},
      {"70 N, midnight sun: a transit, no rising or setting", 70.0, 2026, 6, 21, "Sun"},
      {"70 N, polar night: a transit below the horizon", 70.0, 2026, 12, 21, "Sun"},
      {"Kyoto in 1800: the Moon", 35.0116, 1800, 3, 15, "Moon"},
  };
  const std::vector<AlmanacFixtureDay> fixture = testing::read_almanac_fixture();
  for (const auto& p : picked) {
    SCOPED_TRACE(p.why);
    const AlmanacFixtureDay* d = nullptr;
    for (const AlmanacFixtureDay& f : fixture) {
      if (f.lat == p.lat && f.yr == p.yr && f.mn == p.mn && f.dy == p.dy && f.body == p.body)
        d = &f;
    }
    ASSERT_NE(d, nullptr) << "not in the fixture " << HZ_ALMANAC_FIXTURE;

    const std::optional<JstDay> day = jst_day(d->yr, d->mn, d->dy);
    ASSERT_TRUE(day);
    const Observer o{d->lon * rd, d->lat * rd};
    const BodyTrack tr = track_body(d->body == "Sun" ? AlmanacBody::sun : AlmanacBody::moon, *day);
    const std::vector<HorizonEvent> upper = meridian_passages(tr, o, *day, false);
    const std::vector<HorizonEvent> lower = meridian_passages(tr, o, *day, true);
    // swetest's horizon is geometric: no refraction.
    const Crossings c = altitude_crossings(tr, o, *day, {true, 0}, turning_hours(upper, lower));

    const struct {
      const char* kind;
      std::vector<double> got;
    } found[] = {{"rise", hours_of(c.up)}, {"set", hours_of(c.down)}, {"transit", hours_of(upper)}};
    for (const auto& f : found) {
      const std::vector<double> expected = testing::fixture_events(*d, f.kind);
      ASSERT_EQ(f.got.size(), expected.size()) << f.kind;
      for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(f.got[i] * 60, expected[i] * 60, almanac_tolerance_minutes)
            << std::fixed << std::setprecision(4) << f.kind << ": swetest " << expected[i]
            << " h, found " << f.got[i] << " h JST";
    }
  }
}

}  // namespace
}  // namespace hz
