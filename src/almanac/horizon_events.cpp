// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/horizon_events.hpp"

#include <algorithm>
#include <cmath>

#include "almanac/bracket_root.hpp"
#include "common/constants.hpp"

namespace hz {

namespace {

// The event at an hour of the day, with the place recomputed there.
HorizonEvent event_at(const BodyTrack& tr, const Observer& o, const JstDay& day, double hours) {
  const double t = t2000_at(day, hours);
  const Horizon h = seen_from(place_at(tr, hours), o, t, ut_at(hours));
  return {hours, t, h.alt, h.az};
}

// Hour angle at an hour of the day, carried by whole turns to the branch
// nearest to the guess.
double hour_angle_near(const BodyTrack& tr, const Observer& o, const JstDay& day, double hours,
                       double guess) {
  const double t = t2000_at(day, hours);
  const double h = hour_angle(place_at(tr, hours), o, t, ut_at(hours));
  return h + 2 * pi * std::nearbyint((guess - h) / (2 * pi));
}

}  // namespace

std::vector<HorizonEvent> meridian_passages(const BodyTrack& tr, const Observer& o,
                                            const JstDay& day, bool lower) {
  // The hour angle grows by about one turn a day (the Moon's by 0.96 turn,
  // the Sun's by exactly one): fix the branch at 24 h from that at 0 h.
  const double h0 = hour_angle_near(tr, o, day, 0, 0);
  const double h24 = hour_angle_near(tr, o, day, 24, h0 + 2 * pi);
  const double rate = (h24 - h0) / 24;  // radians per hour, mean over the day

  std::vector<HorizonEvent> out;
  const double phase = lower ? pi : 0;
  // Every target phase + 2 pi k in [h0, h24).
  for (double k = std::ceil((h0 - phase) / (2 * pi)); phase + 2 * pi * k < h24; ++k) {
    const double target = phase + 2 * pi * k;
    auto f = [&](double hours) {
      return hour_angle_near(tr, o, day, hours, h0 + rate * hours) - target;
    };
    // The hour angle is close to linear: the mean-rate guess is within
    // minutes, and the ends of the day bracket the passage.
    const double guess = (target - h0) / rate;
    double lo = std::max(0.0, guess - 0.5);
    double hi = std::min(24.0, guess + 0.5);
    double f_lo = f(lo), f_hi = f(hi);
    if ((f_lo > 0) == (f_hi > 0)) {  // guess too far off: take the whole day
      lo = 0;
      hi = 24;
      f_lo = h0 - target;
      f_hi = h24 - target;
    }
    const double hours = bracket_root(f, lo, hi, f_lo, f_hi, event_tolerance_hours);
    if (hours >= 24) continue;
    out.push_back(event_at(tr, o, day, hours));
  }
  return out;
}

Crossings altitude_crossings(const BodyTrack& tr, const Observer& o, const JstDay& day,
                             const AltitudeTarget& target, std::vector<double> nodes) {
  auto above = [&](double hours) {
    const double t = t2000_at(day, hours);
    const BodyPlace p = place_at(tr, hours);
    const double goal =
        target.rise_set ? rise_set_altitude(tr.body, p, target.value) : target.value;
    return seen_from(p, o, t, ut_at(hours)).alt - goal;
  };

  nodes.push_back(0);
  nodes.push_back(24);
  std::sort(nodes.begin(), nodes.end());

  Crossings out;
  double lo = nodes[0];
  double f_lo = above(lo);
  for (std::size_t i = 1; i < nodes.size(); ++i) {
    const double hi = nodes[i];
    if (hi <= lo) continue;
    const double f_hi = above(hi);
    if ((f_lo > 0) != (f_hi > 0)) {
      const double hours = bracket_root(above, lo, hi, f_lo, f_hi, event_tolerance_hours);
      if (hours < 24) (f_hi > 0 ? out.up : out.down).push_back(event_at(tr, o, day, hours));
    }
    lo = hi;
    f_lo = f_hi;
  }
  return out;
}

std::vector<double> turning_hours(const std::vector<HorizonEvent>& upper,
                                  const std::vector<HorizonEvent>& lower) {
  std::vector<double> nodes;
  for (const HorizonEvent& e : upper) nodes.push_back(e.hours);
  for (const HorizonEvent& e : lower) nodes.push_back(e.hours);
  return nodes;
}

}  // namespace hz
