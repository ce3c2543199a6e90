// SPDX-License-Identifier: GPL-3.0-or-later
// Boundary fill of a region of the drawing surface.
#pragma once

#include <cstdint>

#include "common/constants.hpp"
#include "render/raster.hpp"
#include "render/surface.hpp"

namespace hz {

// Paints the region around a seed up to a boundary colour: a breadth-first
// fill over the four side neighbours, visited right, down, left, up, with a
// fixed, non-circular queue of 1000 entries.
//
// Given:    pic                 the surface, read back pixel by pixel
//           xc_ptf, yc_ptf      seed, surface coordinates (may be fractional)
//           colin_ptf           fill colour
//           colbd_ptf           boundary colour (may equal the fill colour)
// Notes:    1. A seed of the boundary colour paints nothing. Any other seed
//              is painted, even one already of the fill colour.
//           2. A neighbour is queued and painted at once when its colour is
//              neither the boundary nor the fill colour; a pixel off the
//              surface counts as boundary.
//           3. At most 1000 pixels are painted (the seed and the first 999
//              found); a larger region is left incomplete, silently.
//           4. Queued columns keep the seed's fraction, rows are rounded to
//              16-bit integers (halves to even). A column fraction of exactly
//              one half therefore reaches only every second column (the
//              surface rounds 10.5 and 11.5 both to even pixels) and can step
//              over a one-pixel boundary: pass whole columns when the
//              boundary must hold.
void ptf(Surface& pic, double xc_ptf, double yc_ptf, Rgb colin_ptf, Rgb colbd_ptf);

// The same fill on a grid of device pixels, from a whole seed pixel, with
// a queue of the given length: a surface drawn at pixel ratio R fills with
// 1000 R^2 entries, so a region as large in logical pixels fills as far.
void ptf_device(PixelGrid& g, std::int64_t x, std::int64_t y, Rgb colin, Rgb colbd,
                int queue_entries);

}  // namespace hz
