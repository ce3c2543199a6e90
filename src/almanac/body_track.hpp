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
// Notes:    for the Moon, whose motion bends most, the cubic keeps within
//           about 0.1" of the theory's place (0.01 s of a rising); the
//           planets and the Sun far closer.
BodyPlace place_at(const BodyTrack& tr, double hours);

}  // namespace hz
