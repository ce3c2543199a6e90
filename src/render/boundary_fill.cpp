// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/boundary_fill.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

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

namespace {

bool paintable(const PixelGrid& g, std::int64_t x, std::int64_t y, Rgb colin, Rgb colbd) {
  if (x < 0 || y < 0 || x >= g.width() || y >= g.height()) return false;
  const Rgb c = g.get(static_cast<int>(x), static_cast<int>(y));
  return c != colbd && c != colin;
}

}  // namespace

void ptf_device(PixelGrid& g, std::int64_t x, std::int64_t y, Rgb colin, Rgb colbd,
                int queue_entries) {
  if (x < 0 || y < 0 || x >= g.width() || y >= g.height() || queue_entries < 1) return;
  if (g.get(static_cast<int>(x), static_cast<int>(y)) == colbd) return;
  // Painted as queued, in ptf's order: right, down, left, up.
  std::vector<std::pair<int, int>> queue;
  queue.reserve(static_cast<std::size_t>(queue_entries));
  queue.emplace_back(static_cast<int>(x), static_cast<int>(y));
  g.put(static_cast<int>(x), static_cast<int>(y), colin);
  for (std::size_t head = 0; head < queue.size(); ++head) {
    const auto [cx, cy] = queue[head];
    const int nx[4] = {cx + 1, cx, cx - 1, cx};
    const int ny[4] = {cy, cy + 1, cy, cy - 1};
    for (int k = 0; k < 4; ++k) {
      if (!paintable(g, nx[k], ny[k], colin, colbd)) continue;
      if (queue.size() >= static_cast<std::size_t>(queue_entries)) return;  // left incomplete
      queue.emplace_back(nx[k], ny[k]);
      g.put(nx[k], ny[k], colin);
    }
  }
}

}  // namespace hz
