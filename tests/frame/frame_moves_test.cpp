// SPDX-License-Identifier: GPL-3.0-or-later
// The driver's moves through time: steps of every length, a step by hand
// while paused, and a restart from the fields.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "frame/checking_surface.hpp"
#include "frame/driver_rig.hpp"
#include "frame/frame_driver.hpp"
#include "frame/manual_timer.hpp"
#include "support/fake_fields.hpp"

namespace hz {
namespace {

using testing::CheckingSurface;
using testing::FakeFields;

constexpr double hour_in_centuries = 1.0 / (24 * 36525);
// A microsecond, in centuries.
constexpr double t2000_tolerance = hour_in_centuries / 3.6e9;
constexpr double pixel_tolerance = 1;

using Rig = testing::DriverRig<CheckingSurface>;

TEST(FrameMoves, ABackwardHourStepMovesBackAnHourEachFrame) {
  Rig r;
  r.fields.start(135, 35, 2026, 12, 7, 21, 0);
  r.fields.options_.step = {3'600'000, true};
  r.start_ok();
  const double t0 = r.driver.last_frame().t2000;
  EXPECT_EQ(r.driver.last_frame().caption.time, "21 時00 分 (JST)");
  const char* times[] = {"20 時00 分 (JST)", "19 時00 分 (JST)", "18 時00 分 (JST)"};
  for (int n = 1; n <= 3; ++n) {
    r.start_ok();
    EXPECT_NEAR(r.driver.last_frame().t2000, t0 - n * hour_in_centuries, t2000_tolerance) << n;
    EXPECT_EQ(r.driver.last_frame().caption.time, times[n - 1]);
  }
}

TEST(FrameMoves, SiderealDayStepsKeepEveryStarInItsPlace) {
  Rig r;
  r.fields.start(135, 35, 2026, 12, 7, 21, 0);
  r.fields.options_.step = {86'164'090, false};
  r.start_ok();
  const FrameReport first = r.driver.last_frame();
  for (int n = 1; n <= 10; ++n) r.start_ok();
  const FrameReport& last = r.driver.last_frame();
  EXPECT_EQ(last.caption.date, "2026 年12 月17 日") << "ten days on";
  int compared = 0;
  for (int i = first_star; i <= last_star; ++i) {
    if (!first.objects[i].drawn) continue;
    ASSERT_TRUE(last.objects[i].drawn) << i;
    EXPECT_NEAR(*last.objects[i].xp, *first.objects[i].xp, pixel_tolerance) << i;
    EXPECT_NEAR(*last.objects[i].yp, *first.objects[i].yp, pixel_tolerance) << i;
    ++compared;
  }
  EXPECT_GT(compared, 50);
}

TEST(FrameMoves, AStepByHandWhilePausedShowsThatMomentAtOnce) {
  const struct {
    bool backward;
    const char* time;
  } cases[] = {{false, "22 時00 分 (JST)"}, {true, "20 時00 分 (JST)"}};
  for (const auto& c : cases) {
    Rig r;
    r.fields.start(135, 35, 2026, 12, 7, 21, 0);
    r.fields.options_.step = {3'600'000, true};  // 逆向き: the button's direction wins
    r.start_ok();
    r.start_ok();  // 21 h on screen, 20 h drawn behind it
    r.driver.pause_or_resume();
    r.driver.step(c.backward);
    EXPECT_EQ(r.driver.shown_frame()->caption.time, c.time) << c.backward;
    EXPECT_EQ(r.driver.last_frame().caption.time, c.time) << c.backward;
    EXPECT_EQ(r.shown().inner.image(),
              static_cast<const CheckingSurface*>(r.driver.pic_draw())->inner.image())
        << "both surfaces hold the moment";
    EXPECT_FALSE(r.timer.enabled()) << "still paused";
    const double held = r.driver.clock().ut_now;
    EXPECT_NEAR(held, c.backward ? 11 : 13, 1e-9) << "the clock holds that moment (UT)";
  }
}

TEST(FrameMoves, AStepByHandBeforeTheFirstStartDoesNothing) {
  Rig r;
  r.driver.step(false);
  EXPECT_FALSE(r.driver.started());
  EXPECT_EQ(r.picture1.circles + r.picture2.circles, 0);
}

TEST(FrameMoves, RestartReadsTheFieldsAfreshAndShowsTheNewSkyAtOnce) {
  Rig r, fresh;
  r.fields.start(135, 35, 2026, 12, 7, 21, 0);
  for (int n = 0; n < 3; ++n) r.start_ok();
  r.driver.pause_or_resume();  // paused: restart enables the timer again
  for (Rig* x : {&r, &fresh}) x->fields.start(-70, -30, 1990, 6, 1, 3, 15);
  ASSERT_FALSE(r.driver.restart().has_value());
  fresh.start_ok();
  EXPECT_TRUE(r.timer.enabled());
  ASSERT_NE(r.driver.shown_frame(), nullptr);
  EXPECT_EQ(r.driver.shown_frame()->caption.time, "03 時15 分 (JST)");
  EXPECT_EQ(r.driver.shown_frame()->caption.date, "1990 年6 月1 日");
  EXPECT_EQ(r.shown().inner.image(), fresh.picture1.inner.image())
      << "the first frame of a fresh start, on screen";
  EXPECT_TRUE(r.shown().visible());
  for (int i = 1; i < object_table_size; ++i) {
    EXPECT_EQ(r.driver.shown_frame()->objects[i].alt, fresh.driver.last_frame().objects[i].alt)
        << "object " << i;
  }
}

TEST(FrameMoves, ARefusedRestartChangesNothing) {
  Rig r;
  r.fields.start(135, 35, 2026, 12, 7, 21, 0);
  r.start_ok();
  r.start_ok();
  r.driver.pause_or_resume();
  const QImage before = r.shown().inner.image();
  const double ut = r.driver.clock().ut_now;
  r.fields.set(Field::month, "14");
  const auto refusal = r.driver.restart();
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->field, Field::month);
  EXPECT_FALSE(r.timer.enabled()) << "still paused";
  EXPECT_EQ(r.driver.clock().ut_now, ut);
  EXPECT_EQ(r.shown().inner.image(), before);
  EXPECT_EQ(r.driver.last_frame().caption.time, "21 時01 分 (JST)");
}

}  // namespace
}  // namespace hz
