// SPDX-License-Identifier: GPL-3.0-or-later
// The frame driver without a window: fields a test types into, a manual
// timer and two surfaces of type S.
#pragma once

#include <gtest/gtest.h>

#include "frame/frame_driver.hpp"
#include "frame/manual_timer.hpp"
#include "support/fake_fields.hpp"

namespace hz::testing {

template <typename S>
struct DriverRig {
  FakeFields fields;
  ManualTimer timer;
  S picture1, picture2;
  FrameDriver driver{fields, timer, picture1, picture2};

  // A Start that must be accepted; the frame it drew.
  const FrameReport& start_ok() {
    EXPECT_FALSE(driver.start().has_value());
    return driver.last_frame();
  }
  // The surface drawn on last, and the one on screen.
  const S& drawn() const { return *static_cast<const S*>(driver.pic_draw()); }
  const S& shown() const { return *static_cast<const S*>(driver.pic_show()); }
};

}  // namespace hz::testing
