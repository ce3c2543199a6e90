// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/sky_target.hpp"

#include <cmath>

#include "almanac/almanac_day.hpp"
#include "catalog/precession.hpp"
#include "catalog/star_table.hpp"
#include "common/name_text.hpp"
#include "common/object_layout.hpp"
#include "constellation/constellations.hpp"
#include "constellation/extended_stars.hpp"
#include "frame/constellation_layer.hpp"
#include "frame/frame_view.hpp"
#include "text/almanac_text.hpp"
#include "text/decimal_text.hpp"
#include "text/object_names.hpp"
#include "time/sidereal.hpp"

namespace hz {
namespace {

// How far ahead a rising is looked for, days.
constexpr double rising_horizon_days = 2;
// Sidereal days in a solar day: the sky turns this many times a day.
constexpr double sidereal_turns_per_day = 1.00273790935;
// Passes of the hour-angle refinement: the first guess from the mean rate is
// off by the sidereal time's small terms only.
constexpr int hour_angle_passes = 3;

std::vector<SkyTarget> make_targets() {
  std::vector<SkyTarget> out;
  const auto body = [&](int i) {
    const ObjectName n = object_name(i);
    out.push_back({SkyTarget::Kind::body, i, n.japanese, n.english});
  };
  body(sun_index);
  body(moon_index);
  for (int i = sun_index + 1; i <= last_planet; ++i) {
    if (i != earth_index) body(i);
  }
  const auto star = [&](int i) {
    const ObjectName n = object_name(i);
    if (!n.japanese.empty() || !n.english.empty())
      out.push_back({SkyTarget::Kind::star, i, n.japanese, n.english});
  };
  for (int i = first_star; i <= last_star; ++i) star(i);
  for (int k = 1; k <= extended_star_count; ++k) star(moon_index + k);
  for (int k = 0; k < constellation_count; ++k) {
    const Constellation& c = constellations[static_cast<std::size_t>(k)];
    out.push_back({SkyTarget::Kind::constellation, k, c.japanese, c.latin});
  }
  return out;
}

// A star of the extended table or a label point, carried to the stars' epoch
// as the frame carries them.
EquatorialPlace fixed_place_of_epoch(double ra_h, double dec_deg, const FrameReport& frame) {
  return precess_place(ra_h, dec_deg, 100 * frame.stars_epoch);
}

// The place of a star or a constellation's label point, of the stars' epoch,
// hours and degrees.
EquatorialPlace fixed_place(const SkyTarget& t, const FrameReport& frame) {
  if (t.kind == SkyTarget::Kind::constellation) {
    const Constellation& c = constellations[static_cast<std::size_t>(t.index)];
    return fixed_place_of_epoch(c.label_ra_h, c.label_dec_deg, frame);
  }
  if (t.index >= first_extended) {
    const StarRow& row = extended_stars[static_cast<std::size_t>(t.index - first_extended)];
    return fixed_place_of_epoch(row.ra_h, row.dec_deg, frame);
  }
  const ObjectRow& row = frame.objects[static_cast<std::size_t>(t.index)];
  return {row.ra_h.value_or(0), row.dec_deg.value_or(0)};
}

HorizonDirection in_degrees(double alt, double az) {
  if (az >= 2 * pi) az = 0;  // a hair west of north is north
  return {alt / rd, az / rd};
}

std::optional<double> next_body_rising(AlmanacBody b, const FrameReport& frame) {
  const double until = frame.t2000 + rising_horizon_days / 36525;
  std::optional<AlmanacDay> day = almanac_of_moment(frame.lon_obs, frame.lat_obs, frame.t2000);
  // The JST day of the moment and the days that follow, up to two days on.
  while (day && day->day.t0 <= until) {
    for (const AlmanacEvent& e : day->events) {
      if (e.body == b && e.kind == AlmanacEventKind::rise && e.t2000 > frame.t2000 &&
          e.t2000 <= until)
        return e.t2000;
    }
    day = next_almanac_day(*day, frame.lon_obs, frame.lat_obs);
  }
  return std::nullopt;
}

// A fixed place rises when its hour angle is minus the semi-diurnal arc to
// the altitude of standard refraction.
std::optional<double> next_fixed_rising(const EquatorialPlace& p, const FrameReport& frame) {
  const double h0 = -standard_refraction;
  const double dc = rd * p.dec_deg;
  const double cos_arc = (std::sin(h0) - std::sin(frame.lat_obs) * std::sin(dc)) /
                         (std::cos(frame.lat_obs) * std::cos(dc));
  if (!(cos_arc > -1 && cos_arc < 1)) return std::nullopt;  // never sets or never rises
  const double rising_hour_angle = -std::acos(cos_arc);

  // Days after the frame's moment; the hour angle as altaz takes it.
  const auto hour_angle = [&](double days) {
    const double lst =
        local_sidereal_angle(frame.lon_obs, frame.t2000 + days / 36525, frame.ut_now + 24 * days);
    return lst - rd * 15 * p.ra_h;
  };
  const double rate = 2 * pi * sidereal_turns_per_day;  // radians a day
  const double ahead = std::remainder(rising_hour_angle - hour_angle(0), 2 * pi);
  double days = (ahead <= 0 ? ahead + 2 * pi : ahead) / rate;
  for (int pass = 0; pass < hour_angle_passes; ++pass) {
    days += std::remainder(rising_hour_angle - hour_angle(days), 2 * pi) / rate;
  }
  if (!(days > 0 && days <= rising_horizon_days)) return std::nullopt;
  return frame.t2000 + days / 36525;
}

// A rising's JST date and minute of the day, rounded to the minute (halves to
// even); a rising that rounds up to midnight is 0:00 of the next date.
struct RisingMinute {
  CalendarDate date;
  long minute;  // 0..1439
};

std::optional<RisingMinute> rising_minute(std::optional<double> t2000) {
  if (!t2000) return std::nullopt;
  std::optional<JstMoment> m = jst_moment(*t2000);
  if (!m) return std::nullopt;
  double minutes = std::nearbyint(m->hours * 60);
  if (minutes >= 24 * 60) {
    m = jst_moment(*t2000 + centuries_per_hour / 60);
    if (!m) return std::nullopt;
    minutes = 0;
  }
  return RisingMinute{m->date, static_cast<long>(minutes)};
}

}  // namespace

MarkedTarget mark_of(const SkyTarget& t) {
  return {t.kind == SkyTarget::Kind::constellation, t.index};
}

const std::vector<SkyTarget>& sky_targets() {
  static const std::vector<SkyTarget> all = make_targets();
  return all;
}

std::optional<SkyTarget> find_target(std::string_view name) {
  const std::string wanted = ascii_lower(trim_blanks(name));
  if (wanted.empty()) return std::nullopt;
  for (const SkyTarget& t : sky_targets()) {
    if (wanted == ascii_lower(t.name_ja) || wanted == ascii_lower(t.name_en)) return t;
  }
  return std::nullopt;
}

HorizonDirection target_direction(const SkyTarget& t, const FrameReport& frame) {
  if (t.kind == SkyTarget::Kind::constellation) {
    const LabelRow row = label_rows(frame)[static_cast<std::size_t>(t.index)];
    return in_degrees(row.alt, row.az);
  }
  if (t.index >= first_extended) {
    const auto k = static_cast<std::size_t>(t.index - first_extended);
    // The frame's own vector when it drew the faint stars, else the same
    // rotation of the same place.
    if (k < frame.extended.size()) {
      const Horizon h = alt_az_of(frame.extended[k].horizon);
      return in_degrees(h.alt, h.az);
    }
    const EquatorialPlace p = fixed_place(t, frame);
    const Horizon h =
        alt_az_of(frame_rotation(view_of(frame)).horizon(equatorial_vector(p.ra_h, p.dec_deg)));
    return in_degrees(h.alt, h.az);
  }
  const ObjectRow& row = frame.objects[static_cast<std::size_t>(t.index)];
  if (row.alt && row.az) return in_degrees(*row.alt, *row.az);
  const Horizon h = altaz(rd * 15 * row.ra_h.value_or(0), rd * row.dec_deg.value_or(0),
                          frame.lat_obs, frame.lon_obs, frame.t2000, frame.ut_now);
  return in_degrees(h.alt, h.az);
}

std::optional<double> next_rising(const SkyTarget& t, const FrameReport& frame) {
  if (t.kind == SkyTarget::Kind::body) return next_body_rising(*almanac_body_at(t.index), frame);
  return next_fixed_rising(fixed_place(t, frame), frame);
}

std::string below_horizon_text(std::optional<double> rising_t2000) {
  std::string text = "地平線の下です";
  const std::optional<RisingMinute> m = rising_minute(rising_t2000);
  if (!m) return text;
  const auto whole = [](double v) { return fixed_text(v, 0); };
  return text + "（" + whole(m->date.mn) + "月" + whole(m->date.dy) + "日 " +
         whole(m->minute / 60) + "時" + whole(m->minute % 60) + "分に昇ります）";
}

std::string below_horizon_text_en(std::optional<double> rising_t2000) {
  const std::optional<RisingMinute> m = rising_minute(rising_t2000);
  if (!m) return "below the horizon; does not rise within two days";
  const auto two = [](long v) { return fixed_text(static_cast<double>(v), 0, 2); };
  return "below the horizon; rises " + date_text(m->date) + ' ' + two(m->minute / 60) + ':' +
         two(m->minute % 60) + " JST";
}

}  // namespace hz
