// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/dome_cache.hpp"

#include "common/bit_cast.hpp"
#include "render/dome.hpp"
#include "render/zoomed_dome.hpp"

namespace hz {

void DomeCache::sph(Surface& pic, double alt0, double az0, double x0, double y0, double r,
                    double scl, Rgb col1, Rgb col2, Rgb col3) {
  const Key key{bit_cast<std::uint64_t>(alt0),
                bit_cast<std::uint64_t>(az0),
                bit_cast<std::uint64_t>(x0),
                bit_cast<std::uint64_t>(y0),
                bit_cast<std::uint64_t>(r),
                bit_cast<std::uint64_t>(scl),
                col1,
                col2,
                col3,
                pic.back_color(),
                bit_cast<std::uint64_t>(pic.pixel_ratio())};
  if (key_ == key && pixels_) {
    pic.cls();
    pic.replay(*pixels_);
    pic.set_fore_color(after_.fore);
    if (after_.cardinal_drawn) pic.set_fill_style(FillStyle::transparent);
    pic.set_current(after_.current_x, after_.current_y);
    return;
  }

  // A field narrower than the hemisphere in front is a magnified view.
  const bool cardinal_drawn = r < r_sky
                                  ? zoomed_dome(pic, alt0, az0, x0, y0, r, scl, col1, col2, col3)
                                  : hz::sph(pic, alt0, az0, x0, y0, r, scl, col1, col2, col3);
  // Recording costs more than drawing: only a view seen twice in a row is
  // recorded, so a view that changes every frame never pays for it.
  if (key_ == key) {
    pixels_ = pic.record();
    after_ = {pic.fore_color(), cardinal_drawn, pic.current_x(), pic.current_y()};
  } else {
    key_ = key;
    pixels_.reset();
  }
}

}  // namespace hz
