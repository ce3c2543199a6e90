// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>

#include "frame/fields.hpp"

namespace hz {

// Timer1 on a QTimer. A QTimer with interval 0 would fire continuously, so an
// enabled timer with interval 0 is kept stopped; and since a running QTimer
// restarts whenever its interval is set, even to the same value, the interval
// is passed on only when it changes, so that every frame's read of it keeps
// the ticks' rhythm.
class QtFrameTimer : public FrameTimer {
 public:
  // The QTimer, named Timer1, is a child of parent (the window).
  explicit QtFrameTimer(QObject* parent);
  bool enabled() const override { return enabled_; }
  void set_enabled(bool on) override;
  int interval() const override { return interval_; }
  void set_interval(int ms) override;

  QTimer& qtimer() { return *timer_; }
  const QTimer& qtimer() const { return *timer_; }

 private:
  void apply();

  QTimer* timer_;
  bool enabled_ = false;
  int interval_ = 0;
};

}  // namespace hz
