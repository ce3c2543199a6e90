// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/almanac_moment.hpp"

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "almanac/jst_day.hpp"
#include "frame/start_moment.hpp"
#include "steer/session_fields.hpp"
#include "text/number_rule.hpp"

namespace hz {
namespace {

// The fields as typed, some of them replaced.
class FieldsWith : public FieldReader {
 public:
  FieldsWith(const FieldReader& typed, FieldTexts replaced)
      : typed_(typed), replaced_(std::move(replaced)) {}
  std::string text(Field f) const override {
    const auto it = replaced_.find(f);
    return it != replaced_.end() ? it->second : typed_.text(f);
  }
  FrameOptions options() const override { return typed_.options(); }

 private:
  const FieldReader& typed_;
  FieldTexts replaced_;
};

bool all_blank(const FieldReader& fields, std::initializer_list<Field> which) {
  for (Field f : which) {
    if (!is_blank(fields.text(f))) return false;
  }
  return true;
}

}  // namespace

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
                                                            const FieldReader& fields,
                                                            const JstMinute& now) {
  if (const FrameReport* f = driver.frame_on_screen()) {
    return PlaceAndMoment{f->lon_obs, f->lat_obs, f->t2000};
  }
  if (all_blank(fields, {Field::longitude, Field::latitude})) {
    return AlmanacRefusal{"観測地の経度と緯度を入力するか、観測地を選んでください。",
                          "give the observer's longitude and latitude, or choose a place"};
  }
  if (all_blank(fields, {Field::year, Field::month, Field::day})) {
    return typed_almanac_moment(FieldsWith(fields, now_fields(now)));
  }
  return typed_almanac_moment(fields);
}

}  // namespace hz
