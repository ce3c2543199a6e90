// SPDX-License-Identifier: GPL-3.0-or-later
// The present moment as the civil date and time in Japan.
#pragma once

#include <chrono>

namespace hz {

// A civil date and time to the minute.
struct JstMinute {
  int yr, mn, dy, hh, mi;
};

// The civil date and time in Japan Standard Time (UTC+9, no summer time) of a
// moment, whatever the computer's time zone: integer arithmetic on the
// seconds since the epoch, seconds dropped (floor, also before 1970).
JstMinute jst_minute(std::chrono::system_clock::time_point t);

}  // namespace hz
