// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/almanac_moment.hpp"

#include <optional>

#include "almanac/jst_day.hpp"
#include "frame/start_moment.hpp"

namespace hz {

std::variant<PlaceAndMoment, AlmanacRefusal> typed_almanac_moment(const FieldReader& fields) {
  const auto start = read_start_moment(fields);
  if (const auto* refusal = std::get_if<StartRefusal>(&start)) {
    return AlmanacRefusal{refusal->message_ja, "cannot start: " + refusal->message_en};
  }
  const StartMoment& m = std::get<StartMoment>(start);
  const std::optional<JstDay> day = jst_day(m.yr, m.mn, m.dy);
  if (!day) {
    return AlmanacRefusal{"この日付の暦は作れません。",
                          "cannot make the almanac: the calendar has no such days"};
  }
  return PlaceAndMoment{m.lon_obs, m.lat_obs, t2000_at(*day, m.start_jst)};
}

std::variant<PlaceAndMoment, AlmanacRefusal> almanac_moment(const FrameDriver& driver,
                                                            const FieldReader& fields) {
  if (const FrameReport* f = driver.frame_on_screen()) {
    return PlaceAndMoment{f->lon_obs, f->lat_obs, f->t2000};
  }
  return typed_almanac_moment(fields);
}

}  // namespace hz
