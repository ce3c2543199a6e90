// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-pixel polygons.
#pragma once

#include <cstdint>
#include <span>

namespace hz {

struct PixelPoint {
  std::int64_t x;
  std::int64_t y;
};

// Whether a pixel lies strictly inside a closed polygon.
//
// Given:    poly   vertices in order; the last joins the first
//           p      the pixel
// Returned:        true when p is inside by the even-odd rule and on no edge
// Notes:    exact integer arithmetic; coordinates up to 2^30 in magnitude.
bool strictly_inside(std::span<const PixelPoint> poly, PixelPoint p);

}  // namespace hz
