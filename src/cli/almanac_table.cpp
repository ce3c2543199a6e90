// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/almanac_table.hpp"

#include <array>

#include "text/almanac_text.hpp"
#include "text/decimal_text.hpp"
#include "text/object_names.hpp"

namespace hz {
namespace {

// In the order of AlmanacEventKind.
constexpr std::array<const char*, 13> event_names = {
    "rise",          "set",           "transit",           "civil_dawn",        "civil_dusk",
    "nautical_dawn", "nautical_dusk", "astronomical_dawn", "astronomical_dusk", "new_moon",
    "first_quarter", "full_moon",     "last_quarter"};

// Degrees to a hundredth: a tenth of a second of time at most.
std::string degrees(double radians) { return fixed_text(radians / rd, 2); }

// An azimuth a hair either side of north reads as north, never as 360 or -0.
std::string azimuth(double radians) {
  const std::string text = degrees(radians);
  return text == "360.00" || text == "-0.00" ? "0.00" : text;
}

bool is_phase(AlmanacEventKind k) { return k >= AlmanacEventKind::new_moon; }

void write_day(std::string& out, const AlmanacDay& d) {
  const std::string date = date_text(d.day.date);
  const auto row = [&](const std::string& body, const char* event, double hours) {
    out += date + '\t' + body + '\t' + event + '\t' + date + ' ' + clock_seconds_text(hours) + '\t';
  };
  bool age_written = false;
  const auto write_age = [&] {
    row(object_name(almanac_body_object(AlmanacBody::moon)).english, "moon_age", 12);
    out += "\t\t" + moon_age_text(d.moon_age) + '\n';
    age_written = true;
  };
  for (const AlmanacEvent& e : d.events) {
    if (!age_written && day_seconds(e.hours) > 12 * 3600) write_age();
    row(object_name(almanac_body_object(e.body)).english, event_names[static_cast<int>(e.kind)],
        e.hours);
    if (!is_phase(e.kind))
      out += azimuth(e.az) + '\t' + degrees(e.alt);
    else
      out += '\t';
    out += "\t\n";
  }
  if (!age_written) write_age();
}

}  // namespace

std::optional<std::string> almanac_table(const PlaceAndMoment& start, long days) {
  std::optional<AlmanacDay> d = almanac_of_moment(start.lon_obs, start.lat_obs, start.t2000);
  std::string out = "date\tbody\tevent\ttime_jst\tazimuth_deg\taltitude_deg\tvalue\n";
  for (long n = 0; n < days; ++n) {
    if (!d) return std::nullopt;
    write_day(out, *d);
    if (n + 1 < days) d = next_almanac_day(*d, start.lon_obs, start.lat_obs);
  }
  return out;
}

}  // namespace hz
