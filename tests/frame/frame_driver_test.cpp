// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/frame_driver.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "frame/caption.hpp"
#include "frame/checking_surface.hpp"
#include "frame/driver_rig.hpp"
#include "frame/manual_timer.hpp"
#include "support/fake_fields.hpp"

namespace hz {
namespace {

using testing::CheckingSurface;
using testing::FakeFields;

// A driver over fake fields, a manual timer and two checked surfaces.
using Rig = testing::DriverRig<CheckingSurface>;

TEST(FrameDriver, StartAt0830JstDrawsTheTypedMomentAndKeepsTheUtDayBefore) {
  Rig r;
  r.fields.start(135, 35, 2026, 12, 7, 8, 30);
  r.start_ok();
  const FrameReport& f = r.driver.last_frame();
  EXPECT_EQ(f.caption.date, "2026 年12 月7 日");
  EXPECT_EQ(f.caption.time, "08 時30 分 (JST)");
  EXPECT_NEAR(f.ut_now, 8.5 - 9, 1e-12) << "the frame's clock is UT, not yet normalised";

  // After the frame the clock holds the UT date: the day before, 23:30.
  const SimClock& c = r.driver.clock();
  EXPECT_EQ(c.yr_now, 2026);
  EXPECT_EQ(c.mn_now, 12);
  EXPECT_EQ(c.dy_now, 6);
  EXPECT_NEAR(c.ut_now, 23.5, 1e-6) << "23.5 h up to rounding";
}

TEST(FrameDriver, NewYearArrivesOnTheSecondFrameAfter2359) {
  Rig r;
  r.fields.start(135, 35, 2026, 12, 31, 23, 59);
  r.start_ok();
  EXPECT_EQ(r.driver.last_frame().caption.time, "23 時59 分 (JST)");
  r.start_ok();
  EXPECT_EQ(r.driver.last_frame().caption.date, "2027 年1 月1 日");
  EXPECT_EQ(r.driver.last_frame().caption.time, "00 時00 分 (JST)");
}

// 実時間 reads the steady clock the front end gives: the first frame is the
// typed moment, each tick the real time later.
TEST(FrameDriver, RealTimeFollowsTheFrontEndsSteadyClock) {
  Rig r;
  std::int64_t now_ms = 1'000'000;
  r.driver.set_steady_clock([&now_ms] { return now_ms; });
  r.fields.options_.step = *parse_time_step("real");
  r.fields.start(135, 35, 2026, 12, 7, 8, 30);
  const double t0 = r.start_ok().t2000;
  now_ms += 20'400;
  r.driver.tick();
  const double ms_per_century = 36525.0 * 86'400'000.0;
  EXPECT_NEAR((r.driver.last_frame().t2000 - t0) * ms_per_century, 20'400, 1);
  EXPECT_EQ(seconds_text(r.driver.last_frame().t2000), "2026-12-07 08:30:20");
}

TEST(FrameDriver, SurfacesSwapSoEachFrameIsShownByTheNextCall) {
  Rig r;
  r.fields.start(135, 35, 2026, 12, 7, 21, 0);
  r.start_ok();
  // First frame: Picture1 hidden and drawn on, Picture2 still visible.
  EXPECT_EQ(r.driver.pic_draw(), &r.picture1);
  EXPECT_FALSE(r.picture1.visible());
  EXPECT_TRUE(r.picture2.visible());
  const QImage first = r.picture1.inner.image();

  // Start pressed again at once: two minutes on, the first press's frame shown.
  r.start_ok();
  EXPECT_EQ(r.driver.pic_show(), &r.picture1);
  EXPECT_TRUE(r.picture1.visible());
  EXPECT_FALSE(r.picture2.visible());
  EXPECT_EQ(r.picture1.inner.image(), first) << "the shown frame is left as drawn";
  EXPECT_EQ(r.driver.last_frame().caption.time, "21 時01 分 (JST)");
}

TEST(FrameDriver, PauseAndResumeOnlyToggleTheTimerAndTheClockGoesOn) {
  Rig r;
  r.fields.start(135, 35, 2026, 12, 7, 20, 0);
  r.start_ok();
  EXPECT_TRUE(r.timer.enabled());
  EXPECT_EQ(r.timer.interval(), 100) << "a frame interval of ' 10' is 0.1 s";

  const SimClock before = r.driver.clock();
  r.driver.pause_or_resume();
  EXPECT_FALSE(r.timer.enabled());
  EXPECT_EQ(r.driver.clock().ut_now, before.ut_now) << "pausing draws nothing";

  r.start_ok();  // Start while paused draws one frame and stays paused
  EXPECT_FALSE(r.timer.enabled());
  EXPECT_EQ(r.driver.last_frame().caption.time, "20 時01 分 (JST)");

  r.driver.pause_or_resume();
  EXPECT_TRUE(r.timer.enabled());
  r.driver.tick();
  EXPECT_EQ(r.driver.last_frame().caption.time, "20 時02 分 (JST)")
      << "resumes from the paused minute, not from the wall clock";
}

TEST(FrameDriver, PauseBeforeTheFirstStartEnablesATimerThatCannotTick) {
  Rig r;
  r.driver.pause_or_resume();
  EXPECT_TRUE(r.timer.enabled());
  EXPECT_EQ(r.timer.interval(), 0);
  EXPECT_FALSE(r.driver.started());
}

TEST(FrameDriver, PlaceAndStartMomentAreReadOnlyAtTheFirstStart) {
  Rig edited, untouched;
  for (Rig* r : {&edited, &untouched}) {
    r->fields.start(135, 35, 2026, 12, 7, 21, 0);
    r->start_ok();
  }
  edited.fields.set(Field::latitude, "-60").set(Field::longitude, "10").set(Field::year, "1990");
  edited.start_ok();
  untouched.start_ok();
  for (int i = 1; i < object_table_size; ++i) {
    EXPECT_EQ(edited.driver.last_frame().objects[i].alt,
              untouched.driver.last_frame().objects[i].alt)
        << "object " << i;
  }
}

TEST(FrameDriver, ViewAndIntervalAreReadEveryFrame) {
  Rig r;
  r.fields.start(135, 35, 2026, 12, 7, 21, 0);
  r.start_ok();
  EXPECT_EQ(r.driver.last_frame().view_alt, 90);

  r.fields.set(Field::view_altitude, "30")
      .set(Field::view_azimuth, "90")
      .set(Field::frame_interval, "");
  r.start_ok();
  EXPECT_EQ(r.driver.last_frame().view_alt, 30);
  EXPECT_EQ(r.driver.last_frame().view_az, 90);
  EXPECT_EQ(r.timer.interval(), 0) << "an empty frame interval: no more ticks";
  EXPECT_TRUE(r.timer.enabled()) << "the timer stays enabled, it only cannot tick";

  r.fields.set(Field::frame_interval, "5");
  r.start_ok();
  EXPECT_EQ(r.timer.interval(), 50) << "a positive value restores the ticks";
}

TEST(FrameDriver, ANonFiniteViewKeepsTheLastUsableLineOfSight) {
  Rig r;
  r.fields.start(135, 35, 2026, 12, 7, 21, 0).set(Field::view_altitude, "45");
  r.start_ok();
  r.fields.set(Field::view_altitude, "1e999").set(Field::view_azimuth, "-1e999");
  r.start_ok();
  EXPECT_EQ(r.driver.last_frame().view_alt, 45);
  EXPECT_EQ(r.driver.last_frame().view_az, 180);
  EXPECT_EQ(r.picture2.non_finite_calls, 0);
}

TEST(FrameDriver, IntervalIsRoundedHalfEvenAndHeldToTheTimersRange) {
  EXPECT_EQ(FrameDriver::interval_ms(10), 100);
  EXPECT_EQ(FrameDriver::interval_ms(0.25), 2) << "2.5 ms rounds to even";
  EXPECT_EQ(FrameDriver::interval_ms(0.35), 4) << "3.5 ms rounds to even";
  EXPECT_EQ(FrameDriver::interval_ms(6553.5), 65535);
  EXPECT_EQ(FrameDriver::interval_ms(6553.6), 65535) << "more than the timer takes is clamped";
  EXPECT_EQ(FrameDriver::interval_ms(-3), 0) << "negative is clamped";
  EXPECT_EQ(FrameDriver::interval_ms(INFINITY), 65535);
  EXPECT_EQ(FrameDriver::interval_ms(-INFINITY), 0);
  EXPECT_EQ(FrameDriver::interval_ms(NAN), 0) << "not a number asks for no ticks";
  // At the ends of the range, halves go to the even neighbour too.
  EXPECT_EQ(FrameDriver::interval_ms(0.05), 0) << "0.5 ms rounds to 0: no ticks";
  EXPECT_EQ(FrameDriver::interval_ms(0.06), 1) << "the shortest interval";
  EXPECT_EQ(FrameDriver::interval_ms(0.15), 2) << "1.5 ms rounds to even";
  EXPECT_EQ(FrameDriver::interval_ms(6553.45), 65534) << "65534.5 ms rounds to even";
  EXPECT_EQ(FrameDriver::interval_ms(6553.55), 65535) << "65535.5 ms rounds to 65536, held";
}

TEST(FrameDriver, FieldsAsTheyComeAtStartGiveYearZero) {
  Rig r;
  r.start_ok();
  const FrameReport& f = r.driver.last_frame();
  EXPECT_TRUE(std::isfinite(f.t2000));
  EXPECT_NEAR(f.t2000, -20, 0.02) << "year 0, about twenty centuries before J2000.0";
  for (int i = 1; i < object_table_size; ++i) {
    ASSERT_TRUE(f.objects[i].alt.has_value()) << i;
    EXPECT_TRUE(std::isfinite(*f.objects[i].alt)) << i;
  }
}

struct RefusalCase {
  const char* why;
  Field field;
  const char* text;
  Field blamed;
};

TEST(FrameDriver, AStartThatCannotBeUsedIsRefusedAndCanBeCorrected) {
  const RefusalCase cases[] = {
      {"month 14", Field::month, "14", Field::month},
      {"month rounding to 14", Field::month, "13.6", Field::month},
      {"month rounding to -1", Field::month, "-0.6", Field::month},
      {"infinite longitude", Field::longitude, "1e999", Field::longitude},
      {"infinite latitude", Field::latitude, "-1e400", Field::latitude},
      {"year a million", Field::year, "1000000", Field::year},
      {"year far back", Field::year, "-1000000", Field::year},
      {"days carry past year 999999", Field::day, "400000000", Field::day},
      {"a huge day", Field::day, "1e300", Field::day},
      {"a huge hour", Field::hour, "1e12", Field::hour},
      {"a huge minute", Field::minute, "-1e14", Field::minute},
  };
  for (const auto& c : cases) {
    Rig r;
    r.fields.start(135, 35, 2026, 12, 7, 21, 0).set(c.field, c.text);
    const auto refusal = r.driver.start();
    ASSERT_TRUE(refusal.has_value()) << c.why;
    EXPECT_EQ(refusal->field, c.blamed) << c.why;
    EXPECT_FALSE(refusal->message_ja.empty());
    EXPECT_FALSE(r.driver.started()) << c.why;
    EXPECT_FALSE(r.timer.enabled()) << c.why << ": nothing starts";
    EXPECT_TRUE(r.picture1.visible() && r.picture2.visible()) << c.why << ": nothing drawn";

    r.fields.start(135, 35, 2026, 12, 7, 21, 0);
    EXPECT_FALSE(r.driver.start().has_value()) << c.why << ": corrected, it starts";
    EXPECT_EQ(r.driver.last_frame().caption.time, "21 時00 分 (JST)") << c.why;
  }
}

TEST(FrameDriver, MonthsZeroAndThirteenAndFarYearsAreAccepted) {
  const char* months[] = {"0", "13", "13.4", "-0.4"};
  for (const char* m : months) {
    Rig r;
    r.fields.start(135, 35, 2026, 12, 7, 21, 0).set(Field::month, m);
    EXPECT_FALSE(r.driver.start().has_value()) << m;
  }
  const char* years[] = {"999999", "-999999", "1200", "-4712"};
  for (const char* y : years) {
    Rig r;
    r.fields.start(135, 35, 2026, 12, 31, 23, 59).set(Field::year, y);
    EXPECT_FALSE(r.driver.start().has_value()) << y;
    r.start_ok();
    EXPECT_EQ(r.picture1.non_finite_calls + r.picture2.non_finite_calls, 0) << y;
  }
}

// Arbitrary text in every field: every Start is either refused or draws a
// frame, nothing crashes or hangs, and drawing never gets a non-finite number.
TEST(FrameDriver, ArbitraryTextNeverBreaksAFrame) {
  const char* pieces[] = {"0",    "1",     "9",     "5",  ".",  "-",  "+",   "e",
                          "E",    "D",     "3",     "&H", "&O", " ",  "x",   "999",
                          "e308", "e-400", "1e309", "７", "度", "\t", "12.5"};
  const Field all[] = {Field::longitude,    Field::latitude,      Field::hour, Field::minute,
                       Field::year,         Field::month,         Field::day,  Field::view_altitude,
                       Field::view_azimuth, Field::frame_interval};
  std::mt19937 rng(20261208);
  std::uniform_int_distribution<int> piece(0, std::size(pieces) - 1), length(0, 6), coin(0, 1);
  int drawn = 0;
  for (int run = 0; run < 150; ++run) {
    Rig r;
    for (Field f : all) {
      std::string s;
      for (int n = length(rng); n > 0; --n) s += pieces[piece(rng)];
      r.fields.set(f, s);
    }
    r.fields.options_.grid = coin(rng);
    r.fields.options_.stars_by_day = coin(rng);
    for (int frame = 0; frame < 2; ++frame) {
      if (!r.driver.start()) ++drawn;
    }
    ASSERT_EQ(r.picture1.non_finite_calls + r.picture2.non_finite_calls, 0) << "run " << run;
  }
  EXPECT_GT(drawn, 50) << "most random fields still start";
}

}  // namespace
}  // namespace hz
