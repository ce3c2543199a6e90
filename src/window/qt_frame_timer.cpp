// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qt_frame_timer.hpp"

namespace hz {

QtFrameTimer::QtFrameTimer(QObject* parent) : timer_(new QTimer(parent)) {
  timer_->setObjectName("Timer1");
  timer_->setTimerType(Qt::PreciseTimer);
}

void QtFrameTimer::set_enabled(bool on) {
  enabled_ = on;
  apply();
}

void QtFrameTimer::set_interval(int ms) {
  interval_ = ms;
  apply();
}

void QtFrameTimer::apply() {
  if (!enabled_ || interval_ <= 0) {
    timer_->stop();
    return;
  }
  if (!timer_->isActive() || timer_->interval() != interval_) timer_->start(interval_);
}

}  // namespace hz
