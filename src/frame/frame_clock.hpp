// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated clock of the frames: which moment each frame shows.
#pragma once

#include <cstdint>
#include <optional>

#include "frame/time_step.hpp"

namespace hz {

// The simulated clock: the UT date and the time of day in hours.
struct SimClock {
  double yr_now = 0, mn_now = 0, dy_now = 0, ut_now = 0;
};

// A frame's moment on the program's time scales.
struct FrameMoment {
  double tjt = 0;     // day number of the date it was counted from
  double t2000 = 0;   // Julian centuries from J2000.0
  double ut_now = 0;  // hours from 0 h of that date, not reduced
};

// The clock moves on by one step a frame. One minute forward moves it as it
// always has: a minute added to the time of day, the clock then set to the
// date and time of day of the result. Any other step counts frames instead
// of summing fractions of an hour, so that no error gathers: the moment of
// frame n is the anchor's date at anchor_ut + n × step, and the anchor is
// the moment the step began (set again whenever the step or its direction
// changes, or the clock is moved by hand).
class FrameClock {
 public:
  // The first frame's moment will be the date yr/mn/dy at ut hours UT.
  void start(double yr, double mn, double dy, double ut);

  // The next frame's moment; the clock holds it afterwards. A moment beyond
  // the calendar's reach leaves the clock as it is (counting on in ut_now).
  FrameMoment advance(const TimeStep& step);

  // The next frame's moment for 実時間: the anchor's date at anchor_ut plus
  // (backward: minus) the real time since the anchor, now_ms − anchor_ms, in
  // milliseconds of the front end's steady clock. The anchor is the start
  // moment at the first frame (anchor_ms = now_ms); else the last frame's
  // moment and the real time it was drawn (last_ms, or now_ms when unknown),
  // set again whenever the step changes or the clock is moved by hand. A
  // pause is real time too: the frame after it shows the sky of then.
  FrameMoment advance_real(const TimeStep& step, std::int64_t now_ms,
                           std::optional<std::int64_t> last_ms);

  // The moment of day number tjt at ut hours moved by hours; the clock holds
  // it afterwards and the next step counts from it. Nothing, and the clock
  // untouched, when tjt is beyond the calendar's reach.
  std::optional<FrameMoment> move(double tjt, double ut, double hours);

  const SimClock& clock() const { return clock_; }

 private:
  // The clock set to the date and time of day of t2000.
  void hold(double t2000);

  struct Count {
    TimeStep step;
    SimClock anchor;
    std::int64_t n;        // frames since the anchor
    std::int64_t real_ms;  // 実時間: the steady clock at the anchor
  };
  SimClock clock_;
  std::optional<SimClock> first_;  // the start moment, until the first frame
  std::optional<Count> count_;
};

}  // namespace hz
