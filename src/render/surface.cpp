// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/surface.hpp"

#include <cmath>
#include <vector>

#include "render/raster.hpp"

namespace hz {

void Surface::discs(std::span<const Point> centres, double radius, Rgb c) {
  if (centres.empty()) return;
  const std::vector<Point> disc = disc_offsets(radius);
  std::vector<Point> pixels;
  pixels.reserve(centres.size() * disc.size());
  for (const Point& p : centres) {
    const double cx = std::rint(p.x), cy = std::rint(p.y);
    for (const Point& d : disc) pixels.push_back({cx + d.x, cy + d.y});
  }
  pset_all(pixels, c);
}

void Surface::print_outlines(std::span<const PlacedText> texts, std::span<const Point> offsets) {
  std::vector<PlacedText> moved;
  moved.reserve(texts.size() * offsets.size());
  for (const Point& d : offsets) {
    for (const PlacedText& t : texts) moved.push_back({t.x + d.x, t.y + d.y, t.utf8});
  }
  print_all(moved);
}

}  // namespace hz
