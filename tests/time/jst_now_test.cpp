// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/jst_now.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace hz {
namespace {

using std::chrono::milliseconds;
using std::chrono::system_clock;

// Seconds since the epoch and the civil time in Tokyo, both from GNU date
// (`date -u -d ... +%s`, `TZ=Asia/Tokyo date -d ...`).
const struct {
  long long epoch_ms;
  JstMinute jst;
  const char* why;
} instants[] = {
    {1798729200000, {2027, 1, 1, 0, 0}, "15:00 UTC on New Year's Eve is midnight of the new year"},
    {1798729199000, {2026, 12, 31, 23, 59}, "a second earlier is still the old year"},
    {1709132400000, {2024, 2, 29, 0, 0}, "leap day"},
    {951870645000, {2000, 3, 1, 9, 30}, "seconds are dropped, not rounded"},
    {-32401000, {1969, 12, 31, 23, 59}, "before the epoch: the minute by floor"},
    {-500, {1970, 1, 1, 8, 59}, "half a second before the epoch"},
    {-2208988800000, {1900, 1, 1, 9, 0}, "1900, a century without a leap day"},
};

void expect_instants() {
  for (const auto& c : instants) {
    const JstMinute got = jst_minute(system_clock::time_point{milliseconds{c.epoch_ms}});
    EXPECT_EQ(got.yr, c.jst.yr) << c.why;
    EXPECT_EQ(got.mn, c.jst.mn) << c.why;
    EXPECT_EQ(got.dy, c.jst.dy) << c.why;
    EXPECT_EQ(got.hh, c.jst.hh) << c.why;
    EXPECT_EQ(got.mi, c.jst.mi) << c.why;
  }
}

TEST(JstMinute, FixedInstants) { expect_instants(); }

TEST(JstMinute, TheComputersTimeZoneChangesNothing) {
  const char* old = std::getenv("TZ");
  const std::string saved = old ? old : "";
  setenv("TZ", "America/New_York", 1);
  tzset();
  expect_instants();
  if (old) {
    setenv("TZ", saved.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}

}  // namespace
}  // namespace hz
