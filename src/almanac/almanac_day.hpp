// SPDX-License-Identifier: GPL-3.0-or-later
// One JST day of the almanac for a place: rising, setting and transit of the
// Sun, the Moon and the planets, the twilights, the Moon's phases and age,
// by the rules of Japanese almanacs:
//   sunrise, sunset    the Sun's upper limb on the horizon: centre at
//                      -(35' + semi-diameter at its distance), sea level
//   moonrise, moonset  the Moon's centre, topocentric, refraction 35'
//   planets            the centre, refraction 35'
//   transit            upper meridian passage, with its altitude
//   twilights          the Sun's centre at -6, -12, -18 degrees
//   Moon's age         days from the preceding new moon to 12:00 JST
//   phases             elongation 0, 90, 180, 270 degrees
// An event that does not happen on the day is simply absent.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "almanac/body_place.hpp"
#include "almanac/jst_day.hpp"
#include "almanac/moon_phase.hpp"

namespace hz {

// What happens; the order is that of the almanac's columns, and breaks ties
// of time.
enum class AlmanacEventKind {
  rise,
  set,
  transit,
  civil_dawn,
  civil_dusk,
  nautical_dawn,
  nautical_dusk,
  astronomical_dawn,
  astronomical_dusk,
  new_moon,
  first_quarter,
  full_moon,
  last_quarter,
};

// The Sun's centre at the end of each twilight, degrees.
constexpr double civil_twilight_deg = -6;
constexpr double nautical_twilight_deg = -12;
constexpr double astronomical_twilight_deg = -18;

struct AlmanacEvent {
  AlmanacBody body;  // the Sun for twilights, the Moon for phases
  AlmanacEventKind kind;
  double hours;  // after 0:00 JST of the day, 0 <= hours < 24
  double t2000;  // the same moment, centuries from J2000.0
  double alt;    // altitude of the centre, radians, no refraction (for the
                 // Moon topocentric); phases: 0
  double az;     // azimuth, radians, north 0, east pi/2; phases: 0
};

struct AlmanacDay {
  JstDay day;
  std::vector<AlmanacEvent> events;  // in time order
  double moon_age;                   // days, unrounded (moon_age_tenths)
};

// The almanac of a JST day.
//
// Given:    lon_deg, lat_deg   east longitude and north latitude, degrees.
//           yr, mn, dy         the date, JST.
//           refraction         refraction at the horizon for rising and
//                              setting, radians (0 gives geometric events).
// Returned:                    the day; nullopt when the calendar refuses the
//                              month.
// Notes:    every event is found by bracketing between meridian passages and
//           false position, to 0.05 s on each body's track through the day
//           (body_track.hpp: the theory's places at 0, 8, 16 and 24 h).
std::optional<AlmanacDay> almanac_day(double lon_deg, double lat_deg, double yr, double mn,
                                      double dy, double refraction = standard_refraction);

// The first event of a kind for a body on the day.
std::optional<AlmanacEvent> find_event(const AlmanacDay& d, AlmanacBody b, AlmanacEventKind k);

// The next new moon, first quarter, full moon and last quarter at or after a
// moment, centuries from J2000.0, in the order of MoonPhase.
std::array<double, 4> next_phases(double t2000);

}  // namespace hz
