// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac's rules on the days that show them: the national
// observatory's printed moonrise and moonset for Tokyo (the Moon's centre,
// topocentric, refraction 35'), a day without moonrise, and the Sun at 70 N
// that neither rises nor sets while its twilights still come and go.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "almanac/almanac_day.hpp"

namespace hz {
namespace {

// The old Tokyo Observatory, for which the national observatory prints its
// example: 139 deg 44' E, 35 deg 39' N.
constexpr double tokyo_lon = 139 + 44.0 / 60;
constexpr double tokyo_lat = 35 + 39.0 / 60;

// Printed times are to the minute; ours, rounded to the minute, may be one off.
constexpr double printed_tolerance_minutes = 1;

constexpr int none = -1;  // the day has no such event

struct Printed {
  int dy;
  int rise_hhmm;  // HHMM JST, or none
  int set_hhmm;
  const char* why;
};

TEST(AlmanacRules, MoonriseAndMoonsetAsTheNationalObservatoryPrintsThem) {
  const Printed days[] = {
      {21, 2316, 1009, "the moonset comes before the moonrise"},
      {22, none, 1033, "no moonrise: the next one is after midnight"},
      {23, 16, 1100, "the moonrise just after midnight"},
  };
  for (const Printed& p : days) {
    SCOPED_TRACE(std::string("2006-01-") + std::to_string(p.dy) + ": " + p.why);
    const std::optional<AlmanacDay> d = almanac_day(tokyo_lon, tokyo_lat, 2006, 1, p.dy);
    ASSERT_TRUE(d);
    for (const auto& [kind, hhmm] : {std::pair{AlmanacEventKind::rise, p.rise_hhmm},
                                     std::pair{AlmanacEventKind::set, p.set_hhmm}}) {
      const std::optional<AlmanacEvent> e = find_event(*d, AlmanacBody::moon, kind);
      if (hhmm == none) {
        EXPECT_FALSE(e) << "an event at " << e->hours << " h";
        continue;
      }
      ASSERT_TRUE(e) << "expected " << hhmm;
      const double ours = std::nearbyint(e->hours * 60);
      EXPECT_NEAR(ours, hhmm / 100 * 60 + hhmm % 100, printed_tolerance_minutes)
          << "printed " << hhmm << ", ours " << e->hours << " h";
    }
  }
}

TEST(AlmanacRules, AnEventsMomentReadsBackAsItsJstDateAndHour) {
  // The late moonrise of 2006-01-21 is 14:16 UT: the JST date must not slip
  // back to the UT one.
  const std::optional<AlmanacDay> d = almanac_day(tokyo_lon, tokyo_lat, 2006, 1, 21);
  ASSERT_TRUE(d);
  const std::optional<AlmanacEvent> e = find_event(*d, AlmanacBody::moon, AlmanacEventKind::rise);
  ASSERT_TRUE(e);
  const std::optional<JstMoment> m = jst_moment(e->t2000);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->date.yr, 2006);
  EXPECT_EQ(m->date.mn, 1);
  EXPECT_EQ(m->date.dy, 21);
  EXPECT_NEAR(m->hours, e->hours, 1e-6);
}

struct PolarDay {
  int mn, dy;
  bool sun_up;          // all day above the horizon (else all day below)
  bool civil_twilight;  // the Sun passes -6 deg
  const char* why;
};

TEST(AlmanacRules, NoSunriseOrSunsetAtSeventyNorthInMidsummerAndMidwinter) {
  const PolarDay days[] = {
      {6, 21, true, false, "midnight sun: the Sun stays up, no twilight at all"},
      {12, 21, false, true, "polar night: the Sun stays down but climbs above -6 deg at noon"},
  };
  for (const PolarDay& p : days) {
    SCOPED_TRACE(p.why);
    const std::optional<AlmanacDay> d = almanac_day(20, 70, 2026, p.mn, p.dy);
    ASSERT_TRUE(d);
    EXPECT_FALSE(find_event(*d, AlmanacBody::sun, AlmanacEventKind::rise));
    EXPECT_FALSE(find_event(*d, AlmanacBody::sun, AlmanacEventKind::set));
    const std::optional<AlmanacEvent> transit =
        find_event(*d, AlmanacBody::sun, AlmanacEventKind::transit);
    ASSERT_TRUE(transit);
    EXPECT_EQ(transit->alt > 0, p.sun_up) << transit->alt / rd << " deg";
    EXPECT_EQ(find_event(*d, AlmanacBody::sun, AlmanacEventKind::civil_dawn).has_value(),
              p.civil_twilight);
    EXPECT_EQ(find_event(*d, AlmanacBody::sun, AlmanacEventKind::civil_dusk).has_value(),
              p.civil_twilight);
    EXPECT_FALSE(find_event(*d, AlmanacBody::sun, AlmanacEventKind::nautical_dusk) && p.sun_up);
  }
}

TEST(AlmanacRules, EventsComeInTimeOrderWithTwilightsAroundTheSun) {
  // Tokyo in January: astronomical, nautical, civil dawn, sunrise ... sunset,
  // civil, nautical, astronomical dusk, each once.
  const std::optional<AlmanacDay> d = almanac_day(tokyo_lon, tokyo_lat, 2006, 1, 21);
  ASSERT_TRUE(d);
  for (std::size_t i = 1; i < d->events.size(); ++i)
    EXPECT_LE(d->events[i - 1].hours, d->events[i].hours);
  const AlmanacEventKind order[] = {
      AlmanacEventKind::astronomical_dawn, AlmanacEventKind::nautical_dawn,
      AlmanacEventKind::civil_dawn,        AlmanacEventKind::rise,
      AlmanacEventKind::transit,           AlmanacEventKind::set,
      AlmanacEventKind::civil_dusk,        AlmanacEventKind::nautical_dusk,
      AlmanacEventKind::astronomical_dusk,
  };
  double last = -1;
  for (AlmanacEventKind k : order) {
    const std::optional<AlmanacEvent> e = find_event(*d, AlmanacBody::sun, k);
    ASSERT_TRUE(e) << static_cast<int>(k);
    EXPECT_GT(e->hours, last) << static_cast<int>(k);
    last = e->hours;
  }
}

}  // namespace
}  // namespace hz
