// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/start_moment.hpp"

#include <cmath>
#include <limits>
#include <optional>

#include "common/constants.hpp"
#include "frame/field_table.hpp"
#include "text/number_rule.hpp"
#include "time/calendar.hpp"

namespace hz {
namespace {

// The fields read at the first Start, in the order they are read.
constexpr Field kStartFields[] = {Field::longitude, Field::latitude, Field::year,  Field::month,
                                  Field::day,       Field::hour,     Field::minute};

StartRefusal not_finite(Field field) {
  const FieldInfo& f = field_info(field);
  return {field,
          std::string("「") + f.caption_ja +
              "」の数が大きすぎて使えません。値を直してから、もう一度「開始」を押してください。",
          std::string("the ") + f.name_en + " is not a finite number"};
}

// t2000 of a UT date and time of day; NaN, which no range check lets
// through, when the month has no table index.
double centuries_of(double yr, double mn, double dy, double ut) {
  const std::optional<DayAndCenturies> s = date_to_day(yr, mn, dy, ut);
  return s ? s->t2000 : std::numeric_limits<double>::quiet_NaN();
}

// The field that moves the start moment farthest, in years: the one to correct.
Field farthest_field(const double (&v)[7]) {
  const struct {
    Field field;
    double years;
  } reach[] = {{Field::year, std::fabs(v[2])},
               {Field::day, std::fabs(v[4]) / 365.25},
               {Field::hour, std::fabs(v[5]) / 8766},
               {Field::minute, std::fabs(v[6]) / 525960}};
  Field best = Field::year;
  double most = -1;
  for (const auto& r : reach) {
    if (r.years > most) {
      most = r.years;
      best = r.field;
    }
  }
  return best;
}

}  // namespace

std::variant<StartMoment, StartRefusal> read_start_moment(const FieldReader& fields) {
  double v[7];
  for (int i = 0; i < 7; ++i) {
    v[i] = read_number(fields.text(kStartFields[i]));
    if (!std::isfinite(v[i])) return not_finite(kStartFields[i]);
  }
  StartMoment m{v[0] * rd, v[1] * rd, v[2], v[3], v[4], v[5] + v[6] / 60};

  if (!month_index(m.mn)) {
    return StartRefusal{
        Field::month,
        "月は 1 から 12 "
        "までの数を入れてください。値を直してから、もう一度「開始」を押してください。",
        "the month does not round to a whole number from 0 to 13"};
  }

  // The first frame's moment, in Gregorian years from 0000-01-01; a huge day
  // or hour counts as much as a huge year.
  const double years =
      (centuries_of(m.yr, m.mn, m.dy, m.start_jst - jst_offset_hours) - centuries_of(0, 1, 1, 0)) *
      36525 / 365.2425;
  if (!(years >= -max_start_years && years < max_start_years + 1)) {
    return StartRefusal{farthest_field(v),
                        "開始日時が西暦 0 年から 999999 "
                        "年を超えて離れています。年・月・日・時・分を直してから、もう一度「開始」を"
                        "押してください。",
                        "the start moment lies more than 999999 years from year 0"};
  }
  return m;
}

}  // namespace hz
