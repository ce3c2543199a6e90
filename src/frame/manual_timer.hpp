// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/fields.hpp"

namespace hz {

// A timer that only remembers its settings and never ticks by itself: the
// headless renderer runs its frames one after another.
class ManualTimer : public FrameTimer {
 public:
  bool enabled() const override { return enabled_; }
  void set_enabled(bool on) override { enabled_ = on; }
  int interval() const override { return interval_; }
  void set_interval(int ms) override { interval_ = ms; }

 private:
  bool enabled_ = false;
  int interval_ = 0;
};

}  // namespace hz
