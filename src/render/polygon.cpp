// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/polygon.hpp"

#include <algorithm>

namespace hz {

bool strictly_inside(std::span<const PixelPoint> poly, PixelPoint p) {
  const std::size_t n = poly.size();
  bool in = false;
  for (std::size_t i = 0; i < n; ++i) {
    const PixelPoint a = poly[(i + n - 1) % n];
    const PixelPoint b = poly[i];
    // On the edge: collinear with it and within its box.
    const std::int64_t cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    if (cross == 0 && p.x >= std::min(a.x, b.x) && p.x <= std::max(a.x, b.x) &&
        p.y >= std::min(a.y, b.y) && p.y <= std::max(a.y, b.y)) {
      return false;
    }
    // The edge crosses the ray running right from p: compare p.x with the
    // crossing's x, multiplied out by b.y - a.y to stay in integers.
    if ((a.y > p.y) != (b.y > p.y)) {
      const std::int64_t lhs = (p.x - a.x) * (b.y - a.y);
      const std::int64_t rhs = (p.y - a.y) * (b.x - a.x);
      if (b.y > a.y ? lhs < rhs : lhs > rhs) in = !in;
    }
  }
  return in;
}

}  // namespace hz
