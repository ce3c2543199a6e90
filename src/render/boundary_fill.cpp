// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/boundary_fill.hpp"

#include <array>
#include <cmath>
#include <cstdint>

namespace hz {

namespace {

constexpr int queue_size = 1000;

// Whether a pixel is to be painted: on the surface and of neither colour.
bool paintable(const Surface& pic, double x, double y, Rgb colin, Rgb colbd) {
  const auto c = pic.point(x, y);
  return c && *c != colbd && *c != colin;
}

}  // namespace

void ptf(Surface& pic, double xc_ptf, double yc_ptf, Rgb colin_ptf, Rgb colbd_ptf) {
  const auto seed = pic.point(xc_ptf, yc_ptf);
  if (!seed || *seed == colbd_ptf) return;

  // Index 0 is never used: the queue holds entries 1..1000.
  std::array<double, queue_size + 1> qx{};
  std::array<std::int16_t, queue_size + 1> qy{};
  int qhead = 1;
  int qtail = 1;
  // The seed is on the surface, so its rounded row fits 16 bits.
  qx[1] = xc_ptf;
  qy[1] = static_cast<std::int16_t>(std::nearbyint(yc_ptf));
  pic.pset(xc_ptf, yc_ptf, colin_ptf);

  for (;;) {
    const double cx = qx[qhead];
    const double cy = qy[qhead];
    const double nx[4] = {cx + 1, cx, cx - 1, cx};
    const double ny[4] = {cy, cy + 1, cy, cy - 1};
    for (int k = 0; k < 4; ++k) {
      if (!paintable(pic, nx[k], ny[k], colin_ptf, colbd_ptf)) continue;
      ++qtail;
      if (qtail > queue_size) return;  // queue exhausted: fill left incomplete
      qx[qtail] = nx[k];
      qy[qtail] = static_cast<std::int16_t>(ny[k]);  // whole already, and on the surface
      pic.pset(nx[k], ny[k], colin_ptf);
    }
    if (qtail == qhead) return;  // nothing left to expand: the region is filled
    ++qhead;
  }
}

}  // namespace hz
