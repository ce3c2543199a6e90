// SPDX-License-Identifier: GPL-3.0-or-later
// A body's place through one JST day, interpolated from a few places of the
// theory, so that a search for events costs a handful of lunar or planetary
// computations instead of one at every step.
#pragma once

#include <array>

#include "almanac/body_place.hpp"
#include "almanac/jst_day.hpp"

namespace hz {

// Hours between the exact places of a track: 0, 8, 16 and 24 h JST.
constexpr double track_step_hours = 8;
constexpr int track_nodes = 4;

struct BodyTrack {
  AlmanacBody body;
  std::array<BodyPlace, track_nodes> nodes;  // right ascension carried on
                                             // past 2 pi, not reduced
};

// The track of a body through a day.
//
// Given:    b, day   the body and the day.
// Returned:          body_place at 0, 8, 16 and 24 h JST.
BodyTrack track_body(AlmanacBody b, const JstDay& day);

// The place at an hour of the day.
//
// Given:    tr       the track.
//           hours    after 0:00 JST, 0..24 (a little outside works too).
// Returned:          the cubic through the four places; right ascension in
//                    radians, not reduced.
// Notes:    the theory's own places move in small steps as time goes on (its
//           Kepler solver stops at a residual of 1e-4 rad): up to 20" for the
//           Sun, 40" for the Moon, 46" for Venus. The cubic runs smoothly
//           through them and stays within those steps of every place (a
//           second or two of a rising); the bending of the Moon's path over
//           8 h adds about 2" at most.
BodyPlace place_at(const BodyTrack& tr, double hours);

}  // namespace hz
