// SPDX-License-Identifier: GPL-3.0-or-later
// The dome drawn once per view and drawn back on later frames.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "render/surface.hpp"

namespace hz {

// sph (zoomed_dome for a field narrower than r_sky, a magnified view) with a
// memory of one view. The dome, horizon, grid, legend and cardinal
// points depend only on sph's arguments and the surface's background colour
// and pixel ratio:
// from the second frame they stay the same on, the surface is cleared and
// the recorded pixels and the state sph leaves (fore colour, fill style,
// current position) are put back instead of drawn. Any change of them draws
// afresh.
class DomeCache {
 public:
  void sph(Surface& pic, double alt0, double az0, double x0, double y0, double r, double scl,
           Rgb col1, Rgb col2, Rgb col3);

 private:
  // Everything the drawing depends on, the zoom in r and scl; doubles
  // compared bit for bit.
  struct Key {
    std::uint64_t alt0, az0, x0, y0, r, scl;
    Rgb col1, col2, col3, back;
    std::uint64_t ratio;
    bool operator==(const Key&) const = default;
  };
  // What sph leaves on the surface besides its pixels.
  struct After {
    Rgb fore;
    bool cardinal_drawn;  // the fill style was set to transparent
    double current_x, current_y;
  };

  std::optional<Key> key_;                    // the last view drawn
  std::unique_ptr<SurfaceRecording> pixels_;  // its pixels, once seen twice
  After after_{};
};

}  // namespace hz
