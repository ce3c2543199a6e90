// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/almanac_text.hpp"

#include <cmath>

#include "common/object_layout.hpp"
#include "text/decimal_text.hpp"

namespace hz {

std::optional<AlmanacDay> almanac_of_moment(double lon, double lat, double t2000) {
  const std::optional<JstMoment> m = jst_moment(t2000);
  if (!m) return std::nullopt;
  return almanac_day(lon / rd, lat / rd, m->date.yr, m->date.mn, m->date.dy);
}

std::optional<AlmanacDay> next_almanac_day(const AlmanacDay& d, double lon, double lat) {
  // Noon of the next day: far from either midnight.
  return almanac_of_moment(lon, lat, t2000_at(d.day, 36));
}

std::string date_text(const CalendarDate& date) {
  return fixed_text(date.yr, 0, date.yr < 0 ? 5 : 4) + '-' + fixed_text(date.mn, 0, 2) + '-' +
         fixed_text(date.dy, 0, 2);
}

long day_seconds(double hours) {
  const double s = std::nearbyint(hours * 3600);
  if (s < 0) return 0;
  if (s > 86399) return 86399;
  return static_cast<long>(s);
}

namespace {

std::string two(long v) { return fixed_text(static_cast<double>(v), 0, 2); }

}  // namespace

std::string clock_seconds_text(double hours) {
  const long s = day_seconds(hours);
  return two(s / 3600) + ':' + two(s / 60 % 60) + ':' + two(s % 60);
}

std::string clock_text(const std::optional<AlmanacEvent>& e) {
  if (!e) return "--:--";
  double m = std::nearbyint(e->hours * 60);
  if (m > 1439) m = 1439;
  if (m < 0) m = 0;
  const long minutes = static_cast<long>(m);
  return two(minutes / 60) + ':' + two(minutes % 60);
}

std::string phase_name(const AlmanacDay& d) {
  static constexpr const char* principal[] = {"新月", "上弦", "満月", "下弦"};
  for (const AlmanacEvent& e : d.events) {
    if (e.kind >= AlmanacEventKind::new_moon)
      return principal[static_cast<int>(e.kind) - static_cast<int>(AlmanacEventKind::new_moon)];
  }
  // Between them, the usual name of the night of the lunar month: the age at
  // noon, in whole days, plus one (age 0.x is the 1st night, 新月; 1.x the
  // 2nd, 二日月; 2.x the 3rd, 三日月; 15.x the 16th, 十六夜). A name holds
  // until the next one begins.
  struct Named {
    int last_night;
    const char* name;
  };
  static constexpr Named names[] = {
      {1, "新月"},    {2, "二日月"},  {6, "三日月"},  {9, "上弦の月"},  {12, "十日夜の月"},
      {13, "十三夜"}, {14, "小望月"}, {15, "満月"},   {16, "十六夜"},   {17, "立待月"},
      {18, "居待月"}, {19, "寝待月"}, {21, "更待月"}, {25, "下弦の月"}, {29, "有明月"},
  };
  const double night = std::floor(d.moon_age) + 1;
  for (const Named& n : names) {
    if (night <= n.last_night) return n.name;
  }
  return "晦日月";
}

std::string moon_age_text(double age) { return fixed_text(moon_age_tenths(age), 1); }

}  // namespace hz
