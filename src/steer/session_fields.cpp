// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/session_fields.hpp"

#include <cmath>
#include <string>

#include "steer/view_steps.hpp"
#include "text/decimal_text.hpp"
#include "text/number_rule.hpp"
#include "time/calendar.hpp"

namespace hz {

FieldTexts now_fields(const JstMinute& now) {
  return {{Field::year, std::to_string(now.yr)},
          {Field::month, std::to_string(now.mn)},
          {Field::day, std::to_string(now.dy)},
          {Field::hour, std::to_string(now.hh)},
          {Field::minute, std::to_string(now.mi)}};
}

FieldTexts place_fields(const Place& place) {
  return {{Field::longitude, fixed_text(place.lon_deg, 2)},
          {Field::latitude, fixed_text(place.lat_deg, 2)}};
}

FieldTexts moment_fields(const FrameReport& frame) {
  const auto jst = centuries_to_jst_date(frame.t2000);
  if (!jst) return {};
  const double minutes = std::nearbyint(jst->ut * 60 * 1e4) / 1e4;
  const double hour = std::floor(minutes / 60);
  return {{Field::year, fixed_text(jst->date.yr, 0)},
          {Field::month, fixed_text(jst->date.mn, 0)},
          {Field::day, fixed_text(jst->date.dy, 0)},
          {Field::hour, fixed_text(hour, 0)},
          {Field::minute, view_text(minutes - 60 * hour, 4)}};
}

FieldTexts view_fields(const HorizonDirection& view, int decimals) {
  const HorizonDirection v = in_field_steps(view, decimals);
  return {{Field::view_altitude, view_text(v.alt_deg, decimals)},
          {Field::view_azimuth, view_text(v.az_deg, decimals)}};
}

HorizonDirection typed_view(const FieldReader& fields, const FrameDriver& driver) {
  HorizonDirection v;
  if (const FrameReport* f = driver.frame_on_screen()) v = {f->view_alt, f->view_az};
  const double alt = read_number(fields.text(Field::view_altitude));
  const double az = read_number(fields.text(Field::view_azimuth));
  if (std::isfinite(alt)) v.alt_deg = alt;
  if (std::isfinite(az)) v.az_deg = az;
  return v;
}

}  // namespace hz
