// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing surface that keeps what is drawn as shapes (vector_drawing.hpp)
// for vector files and printed pages. The same frame code draws on it as on
// the raster surfaces.
#pragma once

#include <map>
#include <utility>

#include "render/memory_surface.hpp"
#include "render/vector_drawing.hpp"

namespace hz {

// Surface of the raster surfaces' size whose drawing is kept as shapes. A
// raster copy of every drawing is kept beside them, so that point reads
// back the very colour a raster surface would give (the Moon's fill depends
// on it); the fill's pixels become runs. Nothing is recorded for the dome's
// cache: every frame is drawn afresh. Texts off the surface are left out as
// the raster surfaces leave them out.
class VectorSurface : public Surface {
 public:
  VectorSurface() = default;

  // What was drawn since the last clear.
  const VectorDrawing& drawing();
  // The raster copy.
  const MemorySurface& raster() const { return shadow_; }

  void set_back_color(Rgb c) override;
  Rgb back_color() const override { return shadow_.back_color(); }
  void cls() override;

  void set_fore_color(Rgb c) override { shadow_.set_fore_color(c); }
  Rgb fore_color() const override { return shadow_.fore_color(); }
  void set_fill_style(FillStyle s) override { shadow_.set_fill_style(s); }
  FillStyle fill_style() const override { return shadow_.fill_style(); }
  void set_fill_color(Rgb c) override { shadow_.set_fill_color(c); }
  Rgb fill_color() const override { return shadow_.fill_color(); }

  void set_current(double x, double y) override { shadow_.set_current(x, y); }
  double current_x() const override { return shadow_.current_x(); }
  double current_y() const override { return shadow_.current_y(); }
  void print(std::string_view utf8) override;

  using Surface::circle;
  void circle(double x, double y, double radius, Rgb outline, std::optional<ArcAngles> arc,
              double aspect) override;
  void line(double x1, double y1, double x2, double y2, Rgb c) override;
  void polyline(std::span<const Point> points, Rgb c) override;
  void pset(double x, double y, Rgb c) override;
  void pset_all(std::span<const Point> points, Rgb c) override;
  void discs(std::span<const Point> centres, double radius, Rgb c) override;
  std::optional<Rgb> point(double x, double y) const override { return shadow_.point(x, y); }

  void set_visible(bool v) override { shadow_.set_visible(v); }
  bool visible() const override { return shadow_.visible(); }

 private:
  void clear();
  // Adds a shape after the pixels set so far.
  void add(VectorShape shape);
  // The pixels set since the last other shape, as runs.
  void flush_pixels();
  // A dot of a raster disc's radius about a point, where it is drawn.
  void add_dot(double x, double y, double radius, Rgb c);

  MemorySurface shadow_;
  VectorDrawing drawing_{rgb(255, 255, 255), {}};
  std::map<std::pair<int, int>, Rgb> pixels_;  // (row, column): the last colour set
};

}  // namespace hz
