// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/jst_day.hpp"

namespace hz {

std::optional<JstDay> jst_day(double yr, double mn, double dy) {
  // 0:00 JST is 15:00 UT of the day before: a negative time of day.
  const std::optional<DayAndCenturies> d = date_to_day(yr, mn, dy, -jst_offset_hours);
  if (!d) return std::nullopt;
  return JstDay{{yr, mn, dy}, d->t2000};
}

std::optional<JstMoment> jst_moment(double t2000) {
  const std::optional<DateAndTime> d = centuries_to_jst_date(t2000);
  if (!d) return std::nullopt;
  double hours = d->ut;
  if (hours < 0) hours = 0;  // a hair below midnight counts as midnight
  return JstMoment{d->date, hours};
}

}  // namespace hz
