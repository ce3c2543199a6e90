// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/frame_clock.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "frame/time_step.hpp"

namespace hz {
namespace {

// How far a frame's moment may stray from start + N × step.
constexpr double moment_tolerance_ms = 1;
constexpr int frames = 100'000;
constexpr double ms_per_century = 36525.0 * 86'400'000.0;

// Julian day number at noon of a Gregorian date (Fliegel and Van Flandern,
// Communications of the ACM 11, 657, 1968): integer arithmetic throughout.
std::int64_t julian_day_number(std::int64_t y, std::int64_t m, std::int64_t d) {
  const std::int64_t a = (m - 14) / 12;
  return (1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12 -
         (3 * ((y + 4900 + a) / 100)) / 4 + d - 32075;
}

struct Start {
  int yr, mn, dy, hh, mm;  // UT
};

// Milliseconds from J2000.0 (2000-01-01 12:00 UT, Julian day 2451545.0) to a
// UT moment, exactly.
std::int64_t ms_from_j2000(const Start& s) {
  const std::int64_t days = julian_day_number(s.yr, s.mn, s.dy) - 2'451'545;
  return days * 86'400'000 + (s.hh - 12) * 3'600'000LL + s.mm * 60'000LL;
}

struct StepCase {
  const char* why;
  const char* step;
  Start start;
};

// The worst distance, ms, of frames 0..frames-1 from start + N × step.
double worst_ms(const StepCase& c) {
  const TimeStep step = *parse_time_step(c.step);
  const std::int64_t signed_ms = step.backward ? -step.millis : step.millis;
  const std::int64_t start_ms = ms_from_j2000(c.start);
  FrameClock clock;
  clock.start(c.start.yr, c.start.mn, c.start.dy, c.start.hh + c.start.mm / 60.0);
  double worst = 0;
  for (int n = 0; n < frames; ++n) {
    const FrameMoment m = clock.advance(step);
    const double expected_ms = static_cast<double>(start_ms + n * signed_ms);
    worst = std::max(worst, std::fabs(m.t2000 * ms_per_century - expected_ms));
  }
  return worst;
}

TEST(FrameClock, AHundredThousandFramesOfEveryCountedStepStayWithinAMillisecond) {
  const StepCase cases[] = {
      {"a minute back", "-1m", {2026, 12, 7, 21, 0}},
      {"ten seconds", "10s", {2026, 12, 31, 23, 59}},
      {"ten seconds back", "-10s", {2027, 1, 1, 0, 0}},
      {"ten minutes", "10m", {2026, 2, 28, 12, 0}},
      {"ten minutes back", "-10m", {2024, 3, 1, 0, 5}},
      {"hours", "1h", {1999, 12, 31, 23, 0}},
      {"hours back, through years", "-1h", {2026, 12, 7, 21, 0}},
      {"days, 274 years on", "1d", {2026, 12, 7, 21, 0}},
      {"days, 274 years back", "-1d", {2026, 12, 7, 21, 0}},
      {"sidereal days, 273 years on", "1sd", {1900, 1, 1, 0, 0}},
      {"sidereal days, back before 1600", "-1sd", {1850, 6, 15, 3, 30}},
  };
  for (const StepCase& c : cases) EXPECT_LT(worst_ms(c), moment_tolerance_ms) << c.why;
}

// The Gregorian date of a Julian day number (Fliegel and Van Flandern, as
// above, run backwards).
Start gregorian_date(std::int64_t jdn) {
  std::int64_t l = jdn + 68569;
  const std::int64_t n = 4 * l / 146097;
  l -= (146097 * n + 3) / 4;
  const std::int64_t i = 4000 * (l + 1) / 1461001;
  l = l - 1461 * i / 4 + 31;
  const std::int64_t j = 80 * l / 2447;
  const std::int64_t d = l - 2447 * j / 80;
  l = j / 11;
  return {static_cast<int>(100 * (n - 49) + i + l), static_cast<int>(j + 2 - 12 * l),
          static_cast<int>(d), 0, 0};
}

// Julian day number of a date of the Julian calendar (the same paper's
// companion formula).
std::int64_t julian_calendar_day_number(std::int64_t y, std::int64_t m, std::int64_t d) {
  return 367 * y - 7 * (y + 5001 + (m - 9) / 7) / 4 + 275 * m / 9 + d + 1729777;
}

// Stepping across month and year ends, leap days, the day numbers' origin
// (1600-01-01) and the calendar reform, forward and back: each frame's
// moment is the Julian day of start + N × step, and the clock's date the
// Gregorian date of that day (the program's calendar is Gregorian
// throughout: the day before 1582-10-15 is 1582-10-14, which Rome called
// 1582-10-04).
TEST(FrameClock, StepsAcrossMonthsYearsAndTheReformKeepTheJulianDay) {
  const std::int64_t reform_eve = julian_calendar_day_number(1582, 10, 4);
  ASSERT_EQ(reform_eve + 1, julian_day_number(1582, 10, 15));
  const Start eve = gregorian_date(reform_eve);
  const StepCase cases[] = {
      {"days over the reform", "1d", {eve.yr, eve.mn, eve.dy - 2, 12, 0}},
      {"days back over the reform", "-1d", {1582, 10, 16, 0, 0}},
      {"days over a leap day", "1d", {2024, 2, 27, 6, 0}},
      {"days back over 1 March of a common century year", "-1d", {2100, 3, 2, 23, 59}},
      {"days over 29 February 2000", "1d", {2000, 2, 27, 0, 0}},
      {"days back over year 0", "-1d", {1, 1, 2, 12, 0}},
      {"hours over a year's end", "1h", {2026, 12, 31, 21, 30}},
      {"hours back over a year's end", "-1h", {2027, 1, 1, 2, 0}},
      {"the standard minute over the millennium", "1m", {1999, 12, 31, 23, 57}},
      {"minutes back over a month's end", "-1m", {2026, 5, 1, 0, 2}},
      {"ten minutes over a month's end", "10m", {2026, 4, 30, 23, 31}},
      {"ten seconds back over 1600-01-01", "-10s", {1600, 1, 1, 0, 0}},
      {"sidereal days over a year's end", "1sd", {1899, 12, 29, 12, 0}},
      {"sidereal days back over a month's end", "-1sd", {1700, 3, 2, 1, 0}},
  };
  constexpr int steps = 5;
  for (const StepCase& c : cases) {
    const TimeStep step = *parse_time_step(c.step);
    const std::int64_t signed_ms = step.backward ? -step.millis : step.millis;
    FrameClock clock;
    clock.start(c.start.yr, c.start.mn, c.start.dy, c.start.hh + c.start.mm / 60.0);
    for (int n = 0; n < steps; ++n) {
      const FrameMoment m = clock.advance(step);
      // From noon to noon, as Julian days run: the day number and the time
      // of day of the moment.
      const std::int64_t ms = ms_from_j2000(c.start) + n * signed_ms + 43'200'000;
      const std::int64_t day = (ms >= 0 ? ms : ms - 86'399'999) / 86'400'000;
      const Start date = gregorian_date(2'451'545 + day);
      const double ut_hours = static_cast<double>(ms - day * 86'400'000) / 3'600'000;
      SCOPED_TRACE(std::string(c.why) + ", frame " + std::to_string(n));
      EXPECT_LT(std::fabs(m.t2000 * ms_per_century - static_cast<double>(ms - 43'200'000)),
                moment_tolerance_ms);
      EXPECT_EQ(clock.clock().yr_now, date.yr);
      EXPECT_EQ(clock.clock().mn_now, date.mn);
      EXPECT_EQ(clock.clock().dy_now, date.dy);
      EXPECT_NEAR(clock.clock().ut_now, ut_hours, moment_tolerance_ms / 3'600'000);
    }
  }
}

// The standard minute sums as it always has, and the golden frames hold it
// to that bit for bit: each frame rounds the day count twice (to the date and
// back), half a unit in the last place of about 155,000 days (1.26 µs) each,
// so 100,000 frames may stray by up to a quarter of a second.
TEST(FrameClock, TheStandardMinuteStraysNoMoreThanItsRoundingAllows) {
  constexpr double rounding_bound_ms = frames * 2 * 1.26e-3;
  EXPECT_LT(worst_ms({"the standard minute", "1m", {2026, 12, 7, 21, 0}}), rounding_bound_ms);
}

TEST(FrameClock, ANewStepCountsOnFromTheLastFrame) {
  FrameClock clock;
  clock.start(2026, 12, 7, 21);
  const TimeStep hour = *parse_time_step("1h"), day_back = *parse_time_step("-1d");
  for (int n = 0; n < 3; ++n) clock.advance(hour);  // 21 h, 22 h, 23 h
  const FrameMoment m = clock.advance(day_back);
  const double expected_ms = static_cast<double>(ms_from_j2000({2026, 12, 6, 23, 0}));
  EXPECT_LT(std::fabs(m.t2000 * ms_per_century - expected_ms), moment_tolerance_ms);
  EXPECT_EQ(clock.clock().dy_now, 6);
  EXPECT_NEAR(clock.clock().ut_now, 23, 1e-9);
}

TEST(FrameClock, AMoveIsCountedFromByTheNextStep) {
  FrameClock clock;
  clock.start(2026, 12, 7, 21);
  const TimeStep hour = *parse_time_step("1h");
  const FrameMoment first = clock.advance(hour);
  const auto moved = clock.move(first.tjt, first.ut_now, -48);
  ASSERT_TRUE(moved.has_value());
  const FrameMoment next = clock.advance(hour);
  const double expected_ms = static_cast<double>(ms_from_j2000({2026, 12, 5, 22, 0}));
  EXPECT_LT(std::fabs(next.t2000 * ms_per_century - expected_ms), moment_tolerance_ms);
}

// 実時間 under a steady clock the test sets: each frame is the frame before
// moved by the real time between them, a pause included; a change of step
// counts on from the last frame and the real time it was drawn.
TEST(FrameClock, RealTimeMovesByTheSteadyClock) {
  const Start start{2026, 12, 7, 21, 0};
  const TimeStep real = *parse_time_step("real"), real_back = *parse_time_step("-real");
  FrameClock clock;
  clock.start(start.yr, start.mn, start.dy, start.hh);
  const struct {
    const char* why;
    TimeStep step;
    std::int64_t now_ms;                  // the steady clock at this frame
    std::optional<std::int64_t> last_ms;  // ... at the frame before
    std::int64_t expected_ms;             // after the start moment
  } frames[] = {
      {"the first frame is the start moment", real, 5'000, std::nullopt, 0},
      {"a frame 1.5 s later", real, 6'500, 5'000, 1'500},
      {"a pause of a minute is real time too", real, 66'500, 6'500, 61'500},
      {"the standard minute goes on from there", TimeStep{}, 68'000, 66'500, 121'500},
      {"back to real time, counted from that frame", real, 70'000, 68'000, 123'500},
      {"backward runs back at the same speed", real_back, 73'000, 70'000, 120'500},
  };
  for (const auto& f : frames) {
    const FrameMoment m =
        f.step.real_time ? clock.advance_real(f.step, f.now_ms, f.last_ms) : clock.advance(f.step);
    const double expected = static_cast<double>(ms_from_j2000(start) + f.expected_ms);
    EXPECT_LT(std::fabs(m.t2000 * ms_per_century - expected), moment_tolerance_ms) << f.why;
  }
}

TEST(TimeStep, TheStepTextsAndTheirRefusals) {
  const struct {
    const char* text;
    std::optional<TimeStep> expected;
  } cases[] = {
      {"10s", TimeStep{10'000, false}},
      {"1m", TimeStep{}},
      {"-1m", TimeStep{60'000, true}},
      {"10m", TimeStep{600'000, false}},
      {"-1h", TimeStep{3'600'000, true}},
      {"1d", TimeStep{86'400'000, false}},
      {"1sd", TimeStep{86'164'090, false}},
      {"-1sd", TimeStep{86'164'090, true}},
      {"real", TimeStep{1'000, false, true}},
      {"-real", TimeStep{1'000, true, true}},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"--1h", std::nullopt},
      {"1H", std::nullopt},
      {"2h", std::nullopt},
      {" 1h", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(parse_time_step(c.text), c.expected) << c.text;
}

TEST(TimeStep, TheChoicesComeInTheDropDownsOrderAndParseAsTheirKeys) {
  const char* order[] = {"10s", "1m", "10m", "1h", "1d", "1sd", "real"};
  const auto choices = time_step_choices();
  ASSERT_EQ(choices.size(), std::size(order));
  for (std::size_t k = 0; k < choices.size(); ++k) {
    EXPECT_STREQ(choices[k].key, order[k]);
    EXPECT_EQ(parse_time_step(choices[k].key),
              (TimeStep{choices[k].millis, false, choices[k].real_time}))
        << choices[k].key;
  }
  EXPECT_STREQ(choices[1].label_ja, "1 分") << "the standard step";
  EXPECT_EQ(choices[1].millis, TimeStep{}.millis);
}

TEST(TimeStep, TheSiderealDayIsTheEarthsTurnAgainstTheStars) {
  // 23 h 56 m 4.09 s (IERS: 86164.0905 s of mean solar time).
  const TimeStepChoice& sd = time_step_choices()[5];
  EXPECT_STREQ(sd.key, "1sd");
  EXPECT_NEAR(static_cast<double>(sd.millis), 86'164'090.5, 1);
}

}  // namespace
}  // namespace hz
