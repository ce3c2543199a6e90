// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/frame_clock.hpp"

#include "time/calendar.hpp"

namespace hz {
namespace {

// The moment of a date at ut hours; the zero moment when the month has no
// table index (never after the start checks).
FrameMoment moment_of(const SimClock& c, double ut) {
  FrameMoment m;
  m.ut_now = ut;
  if (const auto now = date_to_day(c.yr_now, c.mn_now, c.dy_now, ut)) {
    m.tjt = now->tjt;
    m.t2000 = now->t2000;
  }
  return m;
}

}  // namespace

void FrameClock::start(double yr, double mn, double dy, double ut) {
  // One minute back, since the standard step first adds it.
  clock_ = {yr, mn, dy, ut - 1.0 / 60};
  first_ = SimClock{yr, mn, dy, ut};
  count_.reset();
}

FrameMoment FrameClock::advance(const TimeStep& step) {
  FrameMoment m;
  if (step == TimeStep{}) {
    count_.reset();
    clock_.ut_now = clock_.ut_now + 1.0 / 60;  // exactly one minute a frame
    m = moment_of(clock_, clock_.ut_now);
  } else {
    if (!count_ || count_->step != step) {
      // The first frame is the start moment itself; later the count goes on
      // from the last frame's moment.
      count_ = first_ ? Count{step, *first_, -1, 0} : Count{step, clock_, 0, 0};
    }
    ++count_->n;
    // Whole milliseconds multiply exactly; one rounding in the division.
    const std::int64_t millis = count_->n * (step.backward ? -step.millis : step.millis);
    m = moment_of(count_->anchor,
                  count_->anchor.ut_now + static_cast<double>(millis) / 3'600'000.0);
  }
  first_.reset();
  hold(m.t2000);
  return m;
}

FrameMoment FrameClock::advance_real(const TimeStep& step, std::int64_t now_ms,
                                     std::optional<std::int64_t> last_ms) {
  if (!count_ || count_->step != step) {
    count_ =
        first_ ? Count{step, *first_, 0, now_ms} : Count{step, clock_, 0, last_ms.value_or(now_ms)};
  }
  // Whole milliseconds subtract exactly; one rounding in the division.
  const std::int64_t millis = now_ms - count_->real_ms;
  const FrameMoment m = moment_of(
      count_->anchor,
      count_->anchor.ut_now + static_cast<double>(step.backward ? -millis : millis) / 3'600'000.0);
  first_.reset();
  hold(m.t2000);
  return m;
}

std::optional<FrameMoment> FrameClock::move(double tjt, double ut, double hours) {
  const auto date = day_to_date(tjt);
  if (!date) return std::nullopt;
  const FrameMoment m = moment_of({date->yr, date->mn, date->dy, 0}, ut + hours);
  first_.reset();
  count_.reset();
  hold(m.t2000);
  return m;
}

void FrameClock::hold(double t2000) {
  if (const auto now = centuries_to_date(t2000)) {
    clock_.yr_now = now->date.yr;
    clock_.mn_now = now->date.mn;
    clock_.dy_now = now->date.dy;
    clock_.ut_now = now->ut;
  }
}

}  // namespace hz
