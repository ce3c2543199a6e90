// Pixel-exact rasterising of the surface's shapes on a plain grid of pixels:
// no antialiasing, so a colour read back is exactly the colour drawn.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

#include "common/constants.hpp"
#include "render/surface.hpp"

namespace hz {

// A width x height grid of pixels; (0, 0) is the top-left pixel. The
// rasterisers clip, so get and put only see pixels inside the grid.
class PixelGrid {
 public:
  virtual ~PixelGrid() = default;
  virtual int width() const = 0;
  virtual int height() const = 0;
  virtual Rgb get(int x, int y) const = 0;
  virtual void put(int x, int y, Rgb c) = 0;
};

// Largest coordinate magnitude, in pixels, that the rasterisers accept.
// Beyond it a shape is not drawn at all; it keeps every product of the
// integer arithmetic inside 64 bits.
constexpr double max_coordinate = 536870912.0;  // 2^29

// The whole pixel of a coordinate: rounded to the nearest integer, halves to
// the even neighbour (pixel centres lie on integer coordinates).
//
// Given:    v   coordinate, pixels
// Returned:     the pixel index; nothing when v is not finite or its
//               magnitude exceeds max_coordinate
// Notes:    inline, since it runs for every end of every line: called out of
//           line, its optional result went through memory and stalled.
//           rint rounds exactly as nearbyint (halves to even); it may raise
//           the inexact flag, which nothing reads, and is much faster.
inline std::optional<std::int64_t> pixel_of(double v) {
  if (!std::isfinite(v) || std::fabs(v) > max_coordinate) return std::nullopt;
  return static_cast<std::int64_t>(std::rint(v));
}

// One pixel at (x, y), rounded; clipped to the grid.
void raster_point(PixelGrid& g, double x, double y, Rgb c);

// A line between two points, as Bresenham draws it between the rounded end
// points: one pixel per step of the major axis, the minor coordinate rounded
// from the exact line (halves away from the end with the smaller major
// coordinate, so both directions give the same pixels). Both end pixels are
// painted and the line is 8-connected.
//
// Given:    x1, y1, x2, y2   end points, pixels
//           c                colour
// Notes:    only the steps that fall inside the grid are visited, so a long
//           line costs at most one grid width or height.
void raster_line(PixelGrid& g, double x1, double y1, double x2, double y2, Rgb c);

// An ellipse with axes along x and y, as a digital disc: the pixels whose
// offsets (dx, dy) from the rounded centre satisfy (dx/rx)^2 + (dy/ry)^2 <= 1
// (a zero semi-axis admits only offset 0 on that axis). The outline is the
// disc's boundary: disc pixels with a 4-neighbour outside the disc.
//
// Given:    x, y      centre, pixels (rounded)
//           rx, ry    horizontal and vertical semi-axes, pixels, >= 0
//           arc       if given, only the outline pixels whose screen angle
//                     atan2(-(py - cy), px - cx) lies in the arc, counter-
//                     clockwise from start to end, are painted
//           outline   outline colour
//           fill      if given (and no arc), the disc's other pixels are
//                     painted in it
// Notes:    a non-finite or negative semi-axis draws nothing. The arc ends
//           are taken with a tolerance of 1e-9 rad, so an arc ending at the
//           program's pi (a little below true pi) still reaches the
//           leftmost pixel.
void raster_ellipse(PixelGrid& g, double x, double y, double rx, double ry,
                    const std::optional<ArcAngles>& arc, Rgb outline, std::optional<Rgb> fill);

// The semi-axes of a circle of radius drawn with an aspect ratio (vertical
// over horizontal): below 1 the vertical one shrinks to radius * aspect,
// above 1 the horizontal one to radius / aspect.
struct Radii {
  double rx;
  double ry;
};
Radii ellipse_radii(double radius, double aspect);

}  // namespace hz
