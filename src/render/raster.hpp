// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel-exact rasterising of the surface's shapes on a plain grid of pixels:
// no antialiasing, so a colour read back is exactly the colour drawn.
#pragma once

#include <algorithm>
#include <cmath>
#include <concepts>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#include "common/constants.hpp"
#include "render/surface.hpp"

namespace hz {

// PixelGrid, the grid the rasterisers draw on, is declared with the surface.

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

// One pixel at (x, y), rounded; clipped to the grid. A template, as
// raster_line is: the faint stars and the boundaries' dots are thousands a
// frame.
template <class Grid>
void raster_point(Grid& g, double x, double y, Rgb c) {
  const auto px = pixel_of(x);
  const auto py = pixel_of(y);
  if (!px || !py || *px < 0 || *py < 0 || *px >= g.width() || *py >= g.height()) return;
  g.put(static_cast<int>(*px), static_cast<int>(*py), c);
}

// A grid that also lends its pixels, one word each, row after row, and the
// word of a colour: raster_line then steps through them by index.
template <class Grid>
concept WordGrid = requires(Grid& g, Rgb c) {
  { g.words() } -> std::same_as<std::uint32_t*>;
  { g.word(c) } -> std::same_as<std::uint32_t>;
};

// A line between two points, as Bresenham draws it between the rounded end
// points: one pixel per step of the major axis, the minor coordinate rounded
// from the exact line (halves away from the end with the smaller major
// coordinate, so both directions give the same pixels). Both end pixels are
// painted and the line is 8-connected.
//
// Given:    x1, y1, x2, y2   end points, pixels
//           c                colour
// Notes:    only the steps that fall inside the grid are visited, so a long
//           line costs at most one grid width or height. A template, so that
//           a final grid's put is called directly: a frame draws thousands
//           of short lines.
template <class Grid>
void raster_line(Grid& g, double x1, double y1, double x2, double y2, Rgb c) {
  const auto ax = pixel_of(x1), ay = pixel_of(y1), bx = pixel_of(x2), by = pixel_of(y2);
  if (!ax || !ay || !bx || !by) return;

  // Work in (major, minor) coordinates with the major one increasing.
  std::int64_t p0 = *ax, q0 = *ay, p1 = *bx, q1 = *by;
  const bool x_major = std::llabs(p1 - p0) >= std::llabs(q1 - q0);
  if (!x_major) {
    std::swap(p0, q0);
    std::swap(p1, q1);
  }
  if (p1 < p0) {
    std::swap(p0, p1);
    std::swap(q0, q1);
  }
  const std::int64_t dp = p1 - p0;
  const std::int64_t dq = std::llabs(q1 - q0);
  const std::int64_t sq = q1 >= q0 ? 1 : -1;
  const std::int64_t major_size = x_major ? g.width() : g.height();
  const std::int64_t minor_size = x_major ? g.height() : g.width();

  // Steps whose major coordinate lies on the grid.
  const std::int64_t i_lo = std::max<std::int64_t>(0, -p0);
  const std::int64_t i_hi = std::min<std::int64_t>(dp, major_size - 1 - p0);
  if (i_lo > i_hi) return;
  // Minor offset: i * dq / dp rounded, halves away from the start, that is
  // off = (2 i dq + dp) / (2 dp) in integers; kept as a quotient and its
  // numerator's running value, which grows by 2 dq <= 2 dp a step.
  const std::int64_t den = 2 * std::max<std::int64_t>(dp, 1);
  std::int64_t num = 2 * i_lo * dq + dp;
  // From the line's start the quotient is 0: the 64-bit division, slow, is
  // needed only for a line clipped at its start.
  std::int64_t off = i_lo == 0 ? 0 : num / den;
  std::int64_t next = (off + 1) * den;  // numerator at which off steps up
  if constexpr (WordGrid<Grid>) {
    // The pixel's index moves a step along the major axis each time, and a
    // row or column along the minor one when off steps up.
    std::uint32_t* const words = g.words();
    const std::uint32_t v = g.word(c);
    const std::int64_t w = g.width();
    const std::int64_t major_step = x_major ? 1 : w;
    const std::int64_t minor_step = x_major ? sq * w : sq;
    std::int64_t q = q0 + sq * off;
    std::int64_t at = x_major ? q * w + p0 + i_lo : (p0 + i_lo) * w + q;
    for (std::int64_t i = i_lo; i <= i_hi; ++i, num += 2 * dq, at += major_step) {
      if (num >= next) {
        next += den;
        q += sq;
        at += minor_step;
      }
      if (q >= 0 && q < minor_size) words[at] = v;
    }
    return;
  }
  // One loop for each axis, so that no pixel asks which is the major one.
  const auto steps = [&](auto put) {
    for (std::int64_t i = i_lo; i <= i_hi; ++i, num += 2 * dq) {
      if (num >= next) {
        ++off;
        next += den;
      }
      const std::int64_t q = q0 + sq * off;
      if (q >= 0 && q < minor_size) put(static_cast<int>(p0 + i), static_cast<int>(q));
    }
  };
  if (x_major) {
    steps([&](int p, int q) { g.put(p, q, c); });
  } else {
    steps([&](int p, int q) { g.put(q, p, c); });
  }
}

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

// The pixels of a filled circle about its rounded centre, as offsets: the
// digital disc raster_ellipse fills for that radius (0: the centre alone).
std::vector<Point> disc_offsets(double radius);

// The semi-axes of a circle of radius drawn with an aspect ratio (vertical
// over horizontal): below 1 the vertical one shrinks to radius * aspect,
// above 1 the horizontal one to radius / aspect.
struct Radii {
  double rx;
  double ry;
};
Radii ellipse_radii(double radius, double aspect);

// Paints in c each pixel of the spans (clipped to the grid) whose colour is
// one of under. A template, as raster_line is: a fill visits tens of
// thousands of pixels.
template <class Grid>
void raster_spans_under(Grid& g, std::span<const PixelSpan> spans, Rgb c,
                        std::span<const Rgb> under) {
  for (const PixelSpan& s : spans) {
    if (s.y < 0 || s.y >= g.height()) continue;
    const int x0 = s.x0 < 0 ? 0 : s.x0;
    const int x1 = s.x1 >= g.width() ? g.width() - 1 : s.x1;
    for (int x = x0; x <= x1; ++x) {
      const Rgb now = g.get(x, s.y);
      for (Rgb u : under) {
        if (now != u) continue;
        g.put(x, s.y, c);
        break;
      }
    }
  }
}

}  // namespace hz
