// SPDX-License-Identifier: GPL-3.0-or-later
// Where the labels written on the sky may go: never over the cardinal points'
// letters, the caption, the legend or the Moon's disc, and never on top of
// each other.
#pragma once

#include <optional>
#include <vector>

#include "frame/caption.hpp"
#include "frame/frame_view.hpp"
#include "render/surface.hpp"

namespace hz {

// A line of the surface's font, pixels.
constexpr double label_line_height = 12;
// The dark outline around a label's characters, pixels each side.
constexpr double label_outline = 1;

// A rectangle of the surface, pixels.
struct LabelBox {
  double left = 0, top = 0, width = 0, height = 0;
  bool overlaps(const LabelBox& o) const {
    return left < o.left + o.width && o.left < left + width && top < o.top + o.height &&
           o.top < top + height;
  }
  // The box grown by m pixels on every side.
  LabelBox grown(double m) const { return {left - m, top - m, width + 2 * m, height + 2 * m}; }
};

// What the frame draws that no label may cover: each cardinal point drawn
// (its circle and the letter beneath it), the caption's two lines, the
// legend's two lines with their sample lines, and the Moon (its pixel and its
// radius on the surface), when it is in the field.
std::vector<LabelBox> kept_clear(const FrameView& view, const CaptionLines& caption,
                                 std::optional<Point> moon, double moon_radius);

// Whether a label's box is free: it and its outline overlap none of taken.
bool label_fits(const LabelBox& box, const std::vector<LabelBox>& taken);

}  // namespace hz
