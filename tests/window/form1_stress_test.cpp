// SPDX-License-Identifier: GPL-3.0-or-later
// The window under stress: Start pressed as fast as events allow, Pause and
// Resume between ticks, the frame interval changed while running, and the
// window closed at awkward moments. Throughout, the clock must have moved on
// by exactly one minute for every frame drawn, and a timer with interval 0
// must never run.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>

#include "window/form1.hpp"
#include "window/window_driving.hpp"

namespace hz {
namespace {

using testing::child;
using testing::press;
using testing::press_start;
using testing::type_into;

// A place and a start moment that Start accepts: 2026-12-07 21:00 JST.
void type_valid_start(Form1& form, const char* text11) {
  type_into(form, "Text1", "135");
  type_into(form, "Text2", "35");
  type_into(form, "Text5", "2026");
  type_into(form, "Text6", "12");
  type_into(form, "Text7", "7");
  type_into(form, "Text3", "21");
  type_into(form, "Text4", "0");
  type_into(form, "Text11", text11);
}
constexpr int kStartMinuteJst = 21 * 60;

// Every frame drawn: one per press of Start (all accepted here), one per tick.
class FrameCount {
 public:
  explicit FrameCount(Form1& form) {
    QObject::connect(child<QPushButton>(form, "Command1"), &QPushButton::clicked, &context_,
                     [this] { ++presses; });
    QObject::connect(child<QTimer>(form, "Timer1"), &QTimer::timeout, &context_,
                     [this] { ++ticks; });
  }
  int frames() const { return presses + ticks; }

  int presses = 0, ticks = 0;

 private:
  QObject context_;  // the connections end with the counter
};

// Minutes of simulated time from the frame at first_t2000 to the last frame.
double minutes_since(const Form1& form, double first_t2000) {
  return (form.driver().last_frame().t2000 - first_t2000) * 36525 * 1440;
}

// The clock has moved on by one minute per frame since the first frame. Each
// frame takes the clock through the day number, whose last bit is worth about
// 4e-8 minute nowadays, so the minutes are whole only to well within 1e-3.
void expect_clock_follows_frames(const Form1& form, double first_t2000, const FrameCount& count) {
  EXPECT_NEAR(minutes_since(form, first_t2000), count.frames() - 1, 1e-3)
      << count.presses << " presses, " << count.ticks << " ticks";
}

TEST(Form1Stress, AThousandStartPressesDrawAThousandFrames) {
  struct Case {
    const char* name;
    const char* text11;
    bool pause_first;
    bool ticking;
  } const cases[] = {
      {"paused", " 10", true, false},
      {"interval 0", "0", false, false},
      {"ticking every 1 ms", "0.1", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1 form;
    form.show();
    type_valid_start(form, c.text11);
    FrameCount count(form);
    press(form, "Command1");
    ASSERT_TRUE(form.driver().started());
    const double first = form.driver().last_frame().t2000;
    if (c.pause_first) press(form, "Command2");
    EXPECT_EQ(form.timer().qtimer().isActive(), c.ticking);

    for (int i = 1; i < 1000; ++i) {
      press(form, "Command1");
      QCoreApplication::processEvents();
    }

    EXPECT_EQ(count.presses, 1000);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.timer().qtimer().isActive(), c.ticking);
    if (!c.ticking) {
      EXPECT_EQ(count.ticks, 0);
    }
    expect_clock_follows_frames(form, first, count);
    const int minute = kStartMinuteJst + count.frames() - 1;
    char time_of_day[32];
    std::snprintf(time_of_day, sizeof time_of_day, "%02d 時%02d 分 (JST)", minute / 60 % 24,
                  minute % 60);
    EXPECT_EQ(form.driver().last_frame().caption.time, time_of_day);
  }
}

TEST(Form1Stress, PauseAndResumeBetweenTicksAtIntervals0And1Ms) {
  Form1 form;
  form.show();
  type_valid_start(form, "0.1");
  FrameCount count(form);
  press(form, "Command1");
  const double first = form.driver().last_frame().t2000;
  QTRY_VERIFY_WITH_TIMEOUT(count.ticks > 0, 5000);

  // Each round: the interval typed and read by one Start, then Pause/Resume
  // pressed some times, then the event loop run for a while.
  struct Round {
    const char* text11;
    int toggles;  // an odd number leaves the timer paused
  } const rounds[] = {
      {"0", 1},   {"0", 1},   {"0.1", 0}, {"0.1", 1}, {"0", 3},
      {"0.1", 1}, {"0.1", 1}, {"0", 0},   {"0.1", 5}, {"0.1", 3},
  };
  for (const Round& r : rounds) {
    SCOPED_TRACE(::testing::Message() << "Text11 " << r.text11 << ", " << r.toggles << " toggles");
    type_into(form, "Text11", r.text11);
    press(form, "Command1");
    for (int i = 0; i < r.toggles; ++i) {
      press(form, "Command2");
      QCoreApplication::processEvents();  // a tick may come between two toggles
    }
    const int interval = r.text11 == std::string("0") ? 0 : 1;
    EXPECT_EQ(form.timer().interval(), interval);
    const bool runs = interval > 0 && form.timer().enabled();
    EXPECT_EQ(form.timer().qtimer().isActive(), runs);

    const int before = count.frames();
    QTest::qWait(60);
    EXPECT_EQ(form.timer().qtimer().isActive(), runs);
    if (runs) {
      EXPECT_GT(count.frames(), before) << "a 1 ms timer ticks within 60 ms";
    } else {
      EXPECT_EQ(count.frames(), before) << "no ticks from a stopped or paused timer";
    }
    expect_clock_follows_frames(form, first, count);
  }
}

TEST(Form1Stress, ClosingTheWindowIsSafe) {
  struct Case {
    const char* name;
    const char* month;  // Text6: 14 and -7 are refused, and the message stays open
    int presses;        // a second refused Start replaces the open message
    bool delete_on_close;
  } const cases[] = {
      {"while ticking, destroyed at once", "12", 1, false},
      {"while ticking, deleted on close", "12", 1, true},
      {"with the refusal open, destroyed at once", "14", 1, false},
      {"with the refusal of a negative month open, destroyed at once", "-7", 1, false},
      {"with the refusal open, deleted on close", "14", 1, true},
      {"with the first refusal still to be deleted", "14", 2, false},
      {"with a second refusal open, deleted on close", "14", 2, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto owner = std::make_unique<Form1>();
    QPointer<Form1> form = owner.get();
    form->show();
    type_valid_start(*form, "0.1");
    type_into(*form, "Text6", c.month);
    QPointer<QMessageBox> first_box;
    for (int i = 0; i < c.presses; ++i) {
      press(*form, "Command1");
      if (i == 0) first_box = form->refusal_box();
    }
    const bool refused = form->refusal_box() != nullptr;
    EXPECT_EQ(refused, !form->driver().started());
    if (!refused) QTRY_VERIFY(form->driver().last_frame().caption.time != "21 時00 分 (JST)");
    QPointer<QMessageBox> box = form->refusal_box();

    if (c.delete_on_close) {
      form->setAttribute(Qt::WA_DeleteOnClose);
      owner.release();
      EXPECT_TRUE(form->close());
      QTest::qWait(20);  // ticks, the messages' own events and the deferred delete
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      EXPECT_TRUE(form.isNull());
    } else {
      EXPECT_TRUE(form->close());
      EXPECT_FALSE(form->isVisible());
      owner.reset();  // with no event handled since the close
    }
    EXPECT_TRUE(box.isNull());
    EXPECT_TRUE(first_box.isNull());
    QTest::qWait(10);  // nothing left to fire into the destroyed window
  }
}

TEST(Form1Stress, Text11ChangedWhileTicking) {
  struct Case {
    const char* text11;
    int interval_ms;  // 10 x Text11, rounded half to even, held to 0..65535
  } const cases[] = {
      {"0", 0},
      {"-1", 0},
      {"1e400", 65535},
      {"6553.6", 65535},
  };
  Form1 form;
  form.show();
  type_valid_start(form, "0.1");
  FrameCount count(form);
  press(form, "Command1");
  const double first = form.driver().last_frame().t2000;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text11);
    type_into(form, "Text11", "0.1");
    press(form, "Command1");  // ticking every 1 ms again
    ASSERT_TRUE(form.timer().qtimer().isActive());

    type_into(form, "Text11", c.text11);
    QTRY_COMPARE(form.timer().interval(), c.interval_ms);  // read by the next tick
    EXPECT_EQ(form.timer().qtimer().isActive(), c.interval_ms > 0);
    if (c.interval_ms > 0) {
      EXPECT_EQ(form.timer().qtimer().interval(), c.interval_ms);
    }
    const int before = count.frames();
    QTest::qWait(30);
    EXPECT_EQ(count.frames(), before) << "no tick within 30 ms";
    expect_clock_follows_frames(form, first, count);
  }
}

}  // namespace
}  // namespace hz
