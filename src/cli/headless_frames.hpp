// SPDX-License-Identifier: GPL-3.0-or-later
// The frame driver with no window: a timer that never ticks by itself and two
// image surfaces. The renderer, the benchmarks and the tests draw with it
// exactly what the window draws.
#pragma once

#include "frame/fields.hpp"
#include "frame/frame_driver.hpp"
#include "frame/manual_timer.hpp"
#include "render_qt/image_surface.hpp"

namespace hz {

class HeadlessFrames {
 public:
  explicit HeadlessFrames(const FieldReader& fields)
      : driver_(fields, timer_, picture1_, picture2_) {}
  HeadlessFrames(const HeadlessFrames&) = delete;
  HeadlessFrames& operator=(const HeadlessFrames&) = delete;

  FrameDriver& driver() { return driver_; }
  const FrameDriver& driver() const { return driver_; }
  // The surface the last frame was drawn on, shown by the next one (before
  // the first frame, the one it will show: white).
  const ImageSurface& drawn() const;

 private:
  ManualTimer timer_;
  ImageSurface picture1_, picture2_;
  FrameDriver driver_;
};

}  // namespace hz
