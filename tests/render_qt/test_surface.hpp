// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the surface tests: pixel sets and a surface that records the
// texts printed on it.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "render_qt/image_surface.hpp"

namespace hz::test {

using Pixels = std::set<std::pair<int, int>>;

// Pixels of colour c on the surface.
inline Pixels pixels_of(const ImageSurface& s, Rgb c) {
  Pixels p;
  for (int y = 0; y < surface_height; ++y)
    for (int x = 0; x < surface_width; ++x)
      if (s.point(x, y) == c) p.insert({x, y});
  return p;
}

// Pixels that differ from the background colour.
inline Pixels painted(const ImageSurface& s) {
  Pixels p;
  for (int y = 0; y < surface_height; ++y)
    for (int x = 0; x < surface_width; ++x)
      if (s.point(x, y) != s.back_color()) p.insert({x, y});
  return p;
}

inline Pixels shifted(const Pixels& s, int dx, int dy) {
  Pixels r;
  for (auto [x, y] : s) r.insert({x + dx, y + dy});
  return r;
}

// The pixels a text leaves when printed alone at (x, y) in colour c.
inline Pixels text_pixels(std::string_view text, double x, double y, Rgb c) {
  ImageSurface s;
  s.set_back_color(rgb(0, 0, 0) == c ? rgb(1, 1, 1) : rgb(0, 0, 0));
  s.set_fore_color(c);
  s.set_current(x, y);
  s.print(text);
  return pixels_of(s, c);
}

struct Printed {
  std::string text;
  double x;
  double y;
  Rgb color;
};

// An image surface that remembers every print.
class RecordingSurface : public ImageSurface {
 public:
  void print(std::string_view utf8) override {
    printed.push_back({std::string(utf8), current_x(), current_y(), fore_color()});
    ImageSurface::print(utf8);
  }
  const Printed* find(std::string_view text) const {
    for (const auto& p : printed)
      if (p.text == text) return &p;
    return nullptr;
  }
  std::vector<Printed> printed;
};

}  // namespace hz::test
