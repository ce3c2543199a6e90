// SPDX-License-Identifier: GPL-3.0-or-later
// A body's meridian passages and its crossings of an altitude during one JST
// day, found by bracketing and root finding on the program's own places.
#pragma once

#include <vector>

#include "almanac/body_place.hpp"
#include "almanac/body_track.hpp"
#include "almanac/jst_day.hpp"

namespace hz {

// Events are found to this many hours (0.05 s).
constexpr double event_tolerance_hours = 0.05 / 3600;

// One event of a body.
struct HorizonEvent {
  double hours;  // after 0:00 JST of the day, 0 <= hours < 24
  double t2000;  // the same moment, centuries from J2000.0
  double alt;    // altitude of the centre as seen_from gives it, radians
  double az;     // azimuth, radians, north 0, east pi/2
};

// Upper or lower meridian passages of a body during the day.
//
// Given:    tr, o, day  the body's track, the observer and the day.
//           lower       false: upper passages (hour angle 0, the transit);
//                       true: lower passages (hour angle pi).
// Returned:             in time order: none, one, or for a body whose
//                       sidereal day is shorter than 24 h, rarely two.
std::vector<HorizonEvent> meridian_passages(const BodyTrack& tr, const Observer& o,
                                            const JstDay& day, bool lower);

// The altitude a crossing is asked for.
struct AltitudeTarget {
  bool rise_set;  // true: rise_set_altitude with refraction = value
  double value;   // false: this altitude of the centre, radians
};

// Crossings of an altitude, upward and downward.
struct Crossings {
  std::vector<HorizonEvent> up;    // rises, dawns
  std::vector<HorizonEvent> down;  // sets, dusks
};

// Crossings of a target altitude by a body during the day.
//
// Given:    tr, o, day  the body's track, the observer and the day.
//           target      the altitude.
//           nodes       hours of the day at which the altitude may turn: the
//                       upper and lower passages; 0 and 24 are added.
// Returned:             each crossing between two neighbouring nodes where
//                       the body is above the target at one and not at the
//                       other. A body that stays on one side all day (polar
//                       day or night, the Moon's missing rise) gives none.
// Notes:    the altitude is taken to run one way between neighbouring nodes,
//           which holds for the Sun and the planets and, to a few
//           arcseconds, for the Moon.
Crossings altitude_crossings(const BodyTrack& tr, const Observer& o, const JstDay& day,
                             const AltitudeTarget& target, std::vector<double> nodes);

// The nodes altitude_crossings wants: hours of the upper and lower passages.
std::vector<double> turning_hours(const std::vector<HorizonEvent>& upper,
                                  const std::vector<HorizonEvent>& lower);

}  // namespace hz
