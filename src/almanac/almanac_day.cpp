// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/almanac_day.hpp"

#include <algorithm>
#include <cmath>

#include "almanac/horizon_events.hpp"
#include "common/constants.hpp"

namespace hz {

namespace {

// Slack on the elongation's daily span before a phase is ruled out (the
// theory's places step by some 20"): about 4 minutes of the Moon's motion.
constexpr double phase_margin = 0.035 * rd;

void add(std::vector<AlmanacEvent>& out, AlmanacBody b, AlmanacEventKind k,
         const std::vector<HorizonEvent>& events) {
  for (const HorizonEvent& e : events) out.push_back({b, k, e.hours, e.t2000, e.alt, e.az});
}

void add_twilight(std::vector<AlmanacEvent>& out, const BodyTrack& sun, const Observer& o,
                  const JstDay& day, const std::vector<double>& nodes, double deg,
                  AlmanacEventKind dawn) {
  const Crossings c = altitude_crossings(sun, o, day, {false, deg * rd}, nodes);
  add(out, AlmanacBody::sun, dawn, c.up);
  add(out, AlmanacBody::sun, static_cast<AlmanacEventKind>(static_cast<int>(dawn) + 1), c.down);
}

}  // namespace

std::optional<AlmanacDay> almanac_day(double lon_deg, double lat_deg, double yr, double mn,
                                      double dy, double refraction) {
  const std::optional<JstDay> day = jst_day(yr, mn, dy);
  if (!day) return std::nullopt;
  const Observer o{lon_deg * rd, lat_deg * rd};

  AlmanacDay d{*day, {}, 0};
  for (int i = 0; i < almanac_body_count; ++i) {
    const auto b = static_cast<AlmanacBody>(i);
    const BodyTrack tr = track_body(b, *day);
    const std::vector<HorizonEvent> upper = meridian_passages(tr, o, *day, false);
    const std::vector<HorizonEvent> lower = meridian_passages(tr, o, *day, true);
    const std::vector<double> nodes = turning_hours(upper, lower);
    const Crossings c = altitude_crossings(tr, o, *day, {true, refraction}, nodes);
    add(d.events, b, AlmanacEventKind::rise, c.up);
    add(d.events, b, AlmanacEventKind::set, c.down);
    add(d.events, b, AlmanacEventKind::transit, upper);
    if (b == AlmanacBody::sun) {
      add_twilight(d.events, tr, o, *day, nodes, civil_twilight_deg, AlmanacEventKind::civil_dawn);
      add_twilight(d.events, tr, o, *day, nodes, nautical_twilight_deg,
                   AlmanacEventKind::nautical_dawn);
      add_twilight(d.events, tr, o, *day, nodes, astronomical_twilight_deg,
                   AlmanacEventKind::astronomical_dawn);
    }
  }

  // Phases: the elongation grows by some 12 degrees a day, so it passes a
  // multiple of 90 degrees at most once; search only for one it passes.
  const double t24 = t2000_at(*day, 24);
  const double e0 = elongation(day->t0);
  double span = elongation(t24) - e0;
  span = span - 2 * pi * std::floor(span / (2 * pi));
  for (int q = 0; q < 4; ++q) {
    double ahead = q * (pi / 2) - e0;
    ahead = ahead - 2 * pi * std::floor(ahead / (2 * pi));
    if (ahead > span + phase_margin) continue;
    const double t = next_phase(static_cast<MoonPhase>(q), day->t0);
    if (t >= t24) continue;
    const auto kind =
        static_cast<AlmanacEventKind>(static_cast<int>(AlmanacEventKind::new_moon) + q);
    d.events.push_back({AlmanacBody::moon, kind, (t - day->t0) / centuries_per_hour, t, 0, 0});
  }
  d.moon_age = moon_age(t2000_at(*day, 12));

  std::stable_sort(d.events.begin(), d.events.end(),
                   [](const AlmanacEvent& a, const AlmanacEvent& b) { return a.hours < b.hours; });
  return d;
}

std::optional<AlmanacEvent> find_event(const AlmanacDay& d, AlmanacBody b, AlmanacEventKind k) {
  for (const AlmanacEvent& e : d.events)
    if (e.body == b && e.kind == k) return e;
  return std::nullopt;
}

std::array<double, 4> next_phases(double t2000) {
  std::array<double, 4> out{};
  for (int q = 0; q < 4; ++q) out[q] = next_phase(static_cast<MoonPhase>(q), t2000);
  return out;
}

}  // namespace hz
