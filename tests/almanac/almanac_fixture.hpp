// SPDX-License-Identifier: GPL-3.0-or-later
// The swetest fixture of the almanac tests, data/almanac_reference.tsv:
// rising, setting and transit of the Sun, the Moon and the planets, the
// twilights and the principal phases at twenty places and dates, as Debian's
// swetest gives them (geometric horizon, the Sun's upper limb, the other
// bodies' centres, topocentric), with each event's azimuth and altitude,
// written once by tools/make_almanac_fixture.sh. A test that reads it is built with
// HZ_ALMANAC_FIXTURE naming the file.
#pragma once

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace hz::testing {

// A little above the largest miss on these days (0.43 min, a Moon's event;
// 0.27 min on the first dozen); well inside the targets of 1 min for the Sun
// and 2 min for the Moon, and well
// short of what a wrong rule would cost (the Moon's parallax is some 4 min,
// the Sun's semi-diameter more than 1 min).
constexpr double almanac_tolerance_minutes = 0.5;

// In the order of AlmanacEventKind, as the fixture and the
// almanac's table name them.
inline constexpr const char* kind_names[] = {
    "rise",          "set",           "transit",           "civil_dawn",        "civil_dusk",
    "nautical_dawn", "nautical_dusk", "astronomical_dawn", "astronomical_dusk", "new_moon",
    "first_quarter", "full_moon",     "last_quarter"};

// Per body, in the order of AlmanacBody: its name in the fixture and how far
// its events may lie from swetest's. The misses come from the theory's places
// (tests/ephem: the outer planets' are tens of arcminutes off); each
// tolerance is a little above the largest miss measured on the fixture's days,
// written beside it.
inline constexpr struct {
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
inline constexpr double twilight_minutes = 0.2;
inline constexpr double phase_minutes = 6;

// A body whose highest altitude of the day lies this close above the
// standard horizon (35' below the geometric one) grazes it: a hundredth of a
// degree of its place moves its rising and setting by minutes, so their times
// are not compared (the Moon at Reykjavik on 2026-02-10 culminates 0.30 deg
// above that horizon, and its rise_35 misses swetest's by 1.55 min).
inline constexpr double grazing_degrees = 1;

// One event as swetest gives it.
struct AlmanacFixtureEvent {
  double hours;    // JST
  double az, alt;  // degrees, north 0, east 90; NaN for a phase
};

// One body on one JST day at one place.
struct AlmanacFixtureDay {
  double lon, lat;   // degrees, east and north
  int yr, mn, dy;    // the JST date
  std::string body;  // "Sun", "Moon", "Mercury" ... "Pluto"
  // The events of each kind ("rise", "civil_dawn", "full_moon"), in time
  // order.
  std::map<std::string, std::vector<AlmanacFixtureEvent>> events;
};

inline std::vector<AlmanacFixtureDay> read_almanac_fixture() {
  std::vector<AlmanacFixtureDay> days;
  std::ifstream in(HZ_ALMANAC_FIXTURE);
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    std::istringstream s(line);
    double lon = 0, lat = 0;
    std::string date, body, event, hours, az = "-", alt = "-";
    if (!(s >> lon >> lat >> date >> body >> event >> hours)) continue;
    s >> az >> alt;
    const auto degrees = [](const std::string& t) { return t == "-" ? NAN : std::stod(t); };
    if (event == "day") {
      AlmanacFixtureDay d{lon, lat, 0, 0, 0, body, {}};
      std::sscanf(date.c_str(), "%d-%d-%d", &d.yr, &d.mn, &d.dy);
      days.push_back(d);
    } else if (!days.empty()) {
      days.back().events[event].push_back({std::stod(hours), degrees(az), degrees(alt)});
    }
  }
  return days;
}

// The events of one kind on a fixture day; none when swetest gives none.
inline std::vector<double> fixture_events(const AlmanacFixtureDay& d, const std::string& kind) {
  std::vector<double> hours;
  if (const auto it = d.events.find(kind); it != d.events.end())
    for (const AlmanacFixtureEvent& e : it->second) hours.push_back(e.hours);
  return hours;
}

// Whether the body grazes the standard horizon on the day (grazing_degrees).
inline bool grazes(const AlmanacFixtureDay& d) {
  if (const auto it = d.events.find("transit"); it != d.events.end())
    for (const AlmanacFixtureEvent& e : it->second)
      if (e.alt < -35.0 / 60 + grazing_degrees && e.alt > -35.0 / 60 - grazing_degrees) return true;
  return false;
}

}  // namespace hz::testing
