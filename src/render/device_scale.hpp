// SPDX-License-Identifier: GPL-3.0-or-later
// Logical pixels on a finer grid of device pixels: how a raster surface with
// a pixel ratio above 1 puts the frame's shapes on its pixels, so that the
// frame looks as at 1, only finer.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "common/constants.hpp"
#include "render/raster.hpp"

namespace hz {

// The ratios a frame can be drawn at: device pixels per logical pixel.
inline constexpr double pixel_ratios[] = {1, 1.25, 1.5, 2, 3};
inline constexpr double max_pixel_ratio = 3;

// A ratio a surface can take: one of pixel_ratios as it is, anything else
// (not finite, below 1, above 3) held to 1..3, NaN to 1.
inline double usable_pixel_ratio(double ratio) {
  if (!(ratio >= 1)) return 1;
  return ratio > max_pixel_ratio ? max_pixel_ratio : ratio;
}

// The ratio to draw at on a screen of that device pixel ratio: the nearest
// of pixel_ratios, the larger of two as near; 1 for a ratio not a number.
inline double pixel_ratio_for_screen(double device_ratio) {
  double best = pixel_ratios[0];
  for (double r : pixel_ratios) {
    if (std::fabs(r - device_ratio) <= std::fabs(best - device_ratio)) best = r;
  }
  return best;
}

struct DeviceScale {
  double ratio = 1;

  // Device pixels of a logical length (the surface's width and height),
  // rounded half to even: 641 at 1.25 is 801.
  int size(int logical) const { return static_cast<int>(std::rint(logical * ratio)); }
  // The width of a line, a dot's side: ratio rounded, at least 1.
  int brush() const {
    const int b = static_cast<int>(std::rint(ratio));
    return b < 1 ? 1 : b;
  }
  // Where the brush's top-left pixel goes for a logical coordinate v (pixel
  // centres on whole numbers): logical pixel v covers device coordinates
  // from (v - 0.5) ratio to (v + 0.5) ratio, and the brush is centred on it.
  // At ratio 2, v = 10 puts the brush on pixels 20 and 21.
  double anchor(double v) const { return (v + 0.5) * ratio - 0.5 * brush(); }
  // The top-left device pixel of a logical pixel's block, as the
  // rasterisers round it; nothing off the rasterisers' range.
  std::optional<std::int64_t> anchor_pixel(double v) const { return pixel_of(anchor(v)); }
  // The device pixel where text whose top-left logical pixel is p begins.
  std::int64_t text_corner(std::int64_t p) const {
    return static_cast<std::int64_t>(std::rint(static_cast<double>(p) * ratio));
  }
};

// A grid whose every put paints a square of brush x brush pixels, the given
// pixel its top-left one, clipped to the grid: the rasterisers draw through
// it one-pixel-wide shapes as brush-wide ones.
template <class Grid>
class BrushGrid final : public PixelGrid {
 public:
  BrushGrid(Grid& g, int brush) : g_(g), brush_(brush), w_(g.width()), h_(g.height()) {}
  int width() const override { return w_; }
  int height() const override { return h_; }
  Rgb get(int x, int y) const override { return g_.get(x, y); }
  void put(int x, int y, Rgb c) override {
    const int x_end = x + brush_ < w_ ? x + brush_ : w_;
    const int y_end = y + brush_ < h_ ? y + brush_ : h_;
    for (int py = y < 0 ? 0 : y; py < y_end; ++py) {
      for (int px = x < 0 ? 0 : x; px < x_end; ++px) g_.put(px, py, c);
    }
  }

 private:
  Grid& g_;
  int brush_;
  int w_, h_;
};

// The surface's shapes, given in logical pixels, on a grid of device pixels:
// at ratio 1 exactly the rasterisers' pixels; above it the same shapes with
// every coordinate and radius scaled and drawn with the brush.
template <class Grid>
void scaled_line(Grid& g, const DeviceScale& s, double x1, double y1, double x2, double y2, Rgb c) {
  if (s.ratio == 1) {
    raster_line(g, x1, y1, x2, y2, c);
    return;
  }
  BrushGrid<Grid> b(g, s.brush());
  raster_line(b, s.anchor(x1), s.anchor(y1), s.anchor(x2), s.anchor(y2), c);
}

template <class Grid>
void scaled_polyline(Grid& g, const DeviceScale& s, std::span<const Point> points, Rgb c) {
  if (s.ratio == 1) {
    for (std::size_t i = 1; i < points.size(); ++i) {
      raster_line(g, points[i].x, points[i].y, points[i - 1].x, points[i - 1].y, c);
    }
    return;
  }
  BrushGrid<Grid> b(g, s.brush());
  for (std::size_t i = 1; i < points.size(); ++i) {
    raster_line(b, s.anchor(points[i].x), s.anchor(points[i].y), s.anchor(points[i - 1].x),
                s.anchor(points[i - 1].y), c);
  }
}

// A pixel: above ratio 1, a block of brush x brush pixels.
template <class Grid>
void scaled_points(Grid& g, const DeviceScale& s, std::span<const Point> points, Rgb c) {
  if (s.ratio == 1) {
    for (const Point& p : points) raster_point(g, p.x, p.y, c);
    return;
  }
  BrushGrid<Grid> b(g, s.brush());
  for (const Point& p : points) {
    const auto x = s.anchor_pixel(p.x), y = s.anchor_pixel(p.y);
    // A block reaching onto the grid from above or left of it is kept.
    if (!x || !y || *x >= b.width() || *y >= b.height() || *x <= -s.brush() || *y <= -s.brush()) {
      continue;
    }
    b.put(static_cast<int>(*x), static_cast<int>(*y), c);
  }
}

// An ellipse of semi-axes rx, ry (logical pixels) around (x, y). Above
// ratio 1 the interior is painted first and the outline over it, so the
// brush-wide outline is not painted over by the fill.
template <class Grid>
void scaled_ellipse(Grid& g, const DeviceScale& s, double x, double y, double rx, double ry,
                    const std::optional<ArcAngles>& arc, Rgb outline, std::optional<Rgb> fill) {
  if (s.ratio == 1) {
    raster_ellipse(g, x, y, rx, ry, arc, outline, fill);
    return;
  }
  BrushGrid<Grid> b(g, s.brush());
  const double ax = s.anchor(x), ay = s.anchor(y), drx = rx * s.ratio, dry = ry * s.ratio;
  if (fill && !arc) raster_ellipse(b, ax, ay, drx, dry, std::nullopt, *fill, fill);
  raster_ellipse(b, ax, ay, drx, dry, arc, outline, std::nullopt);
}

}  // namespace hz
