// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/jst_now.hpp"

namespace hz {

JstMinute jst_minute(std::chrono::system_clock::time_point t) {
  using namespace std::chrono;
  // JST is UTC+9 all year. Floors, not truncations, so a moment before 1970
  // falls in its own minute and day.
  const sys_seconds jst = floor<seconds>(t) + hours{9};
  const sys_days day = floor<days>(jst);
  const year_month_day date{day};
  const minutes into_day = floor<minutes>(jst - day);
  return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())),
          static_cast<int>(into_day.count() / 60), static_cast<int>(into_day.count() % 60)};
}

}  // namespace hz
