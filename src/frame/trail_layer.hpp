// SPDX-License-Identifier: GPL-3.0-or-later
// 軌跡: the trails the stars and bodies leave while the sky runs, as on a long
// exposure. The trails are a layer of pixels of their own: each frame joins
// every object to where the frame before drew it, and only those new pixels
// are rasterised; a frame sets the layer's pixels, never redraws the past.
#pragma once

#include <cstdint>
#include <vector>

#include "common/constants.hpp"
#include "frame/frame_report.hpp"
#include "render/surface.hpp"

namespace hz {

// The trails' colours: pale, and none of them the Moon's, whose fill reads
// the surface back.
constexpr Rgb col_star_trail = rgb(120, 140, 200);
constexpr Rgb col_body_trail = rgb(200, 170, 120);

class TrailLayer {
 public:
  // What the trails are drawn for: another line of sight or zoom starts them
  // afresh.
  struct View {
    double view_alt, view_az, zoom;
    bool operator==(const View&) const = default;
  };

  // Forgets every trail.
  void clear();
  // Keeps the trails when they were drawn for this view, else clears them.
  void hold_view(const View& view);
  // Sets the layer's pixels on the surface.
  void draw(Surface& pic) const;
  // Joins every object the frame drew (the extended stars too) to where the
  // trails last saw it, by a line of pixels, and remembers where it is now.
  void follow(const FrameReport& frame);

  std::size_t pixel_count() const { return star_pixels_.size() + body_pixels_.size(); }
  // Whether the layer holds the pixel at (x, y) (whole pixels).
  bool has(int x, int y) const;

 private:
  void join(int i, const std::optional<double>& xp, const std::optional<double>& yp, bool drawn,
            bool body);
  void line(int x0, int y0, int x1, int y1, bool body);
  void set(int x, int y, bool body);

  std::optional<View> view_;
  std::vector<std::uint8_t> set_;  // surface_width × surface_height, 1 where set
  std::vector<std::uint32_t> star_pixels_, body_pixels_;  // by index y * width + x
  // Where each object (by object_row index) was last drawn; lost when not.
  struct Last {
    std::int16_t x = 0, y = 0;
    bool seen = false;
  };
  std::vector<Last> last_;
};

}  // namespace hz
