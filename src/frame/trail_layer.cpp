// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/trail_layer.hpp"

#include <cstdlib>

#include "render/raster.hpp"

namespace hz {

void TrailLayer::clear() {
  view_.reset();
  set_.clear();
  star_pixels_.clear();
  body_pixels_.clear();
  last_.clear();
}

void TrailLayer::hold_view(const View& view) {
  if (view_ && *view_ == view) return;
  clear();
  view_ = view;
}

void TrailLayer::draw(Surface& pic) const {
  pic.pset_indices(star_pixels_, col_star_trail);
  pic.pset_indices(body_pixels_, col_body_trail);
}

void TrailLayer::follow(const FrameReport& frame) {
  if (set_.empty()) set_.assign(static_cast<std::size_t>(surface_width) * surface_height, 0);
  const std::size_t rows = object_table_size + frame.extended.size();
  if (last_.size() < rows) last_.resize(rows);
  for (int i = 1; i < object_table_size; ++i) {
    const ObjectRow& row = frame.objects[i];
    join(i, row.xp, row.yp, row.drawn, i >= sun_index);
  }
  for (std::size_t k = 0; k < frame.extended.size(); ++k) {
    const ExtendedRow& e = frame.extended[k];
    join(static_cast<int>(object_table_size + k), e.xp, e.yp, e.drawn, false);
  }
}

void TrailLayer::join(int i, const std::optional<double>& xp, const std::optional<double>& yp,
                      bool drawn, bool body) {
  Last& last = last_[static_cast<std::size_t>(i)];
  const auto x = drawn && xp ? pixel_of(*xp) : std::nullopt;
  const auto y = drawn && yp ? pixel_of(*yp) : std::nullopt;
  if (!x || !y || *x < 0 || *y < 0 || *x >= surface_width || *y >= surface_height) {
    last.seen = false;
    return;
  }
  const int nx = static_cast<int>(*x), ny = static_cast<int>(*y);
  if (last.seen) line(last.x, last.y, nx, ny, body);
  last = {static_cast<std::int16_t>(nx), static_cast<std::int16_t>(ny), true};
}

// Bresenham's line, both ends included; each pixel set once.
void TrailLayer::line(int x0, int y0, int x1, int y1, bool body) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    set(x0, y0, body);
    if (x0 == x1 && y0 == y1) return;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void TrailLayer::set(int x, int y, bool body) {
  const auto i = static_cast<std::uint32_t>(y * surface_width + x);
  if (set_[i] != 0) return;
  set_[i] = 1;
  (body ? body_pixels_ : star_pixels_).push_back(i);
}

bool TrailLayer::has(int x, int y) const {
  if (set_.empty() || x < 0 || y < 0 || x >= surface_width || y >= surface_height) return false;
  return set_[static_cast<std::size_t>(y) * surface_width + x] != 0;
}

}  // namespace hz
