// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/body_track.hpp"

#include <cmath>

#include "common/constants.hpp"

namespace hz {

BodyTrack track_body(AlmanacBody b, const JstDay& day) {
  BodyTrack tr{b, {}};
  for (int i = 0; i < track_nodes; ++i) {
    BodyPlace p = body_place(b, t2000_at(day, i * track_step_hours));
    // Keep the right ascension continuous across 0h.
    if (i > 0) p.ra += 2 * pi * std::nearbyint((tr.nodes[i - 1].ra - p.ra) / (2 * pi));
    tr.nodes[i] = p;
  }
  return tr;
}

BodyPlace place_at(const BodyTrack& tr, double hours) {
  // Lagrange's cubic through nodes at x = 0, 1, 2, 3.
  const double x = hours / track_step_hours;
  const double w0 = -(x - 1) * (x - 2) * (x - 3) / 6;
  const double w1 = x * (x - 2) * (x - 3) / 2;
  const double w2 = -x * (x - 1) * (x - 3) / 2;
  const double w3 = x * (x - 1) * (x - 2) / 6;
  const auto& n = tr.nodes;
  auto mix = [&](double BodyPlace::*m) {
    return w0 * (n[0].*m) + w1 * (n[1].*m) + w2 * (n[2].*m) + w3 * (n[3].*m);
  };
  return {mix(&BodyPlace::ra), mix(&BodyPlace::dc), mix(&BodyPlace::sin_par),
          mix(&BodyPlace::distance)};
}

}  // namespace hz
