// SPDX-License-Identifier: GPL-3.0-or-later
// Frames drawn from many moments, places and views, each reduced to the
// SHA-256 of its pixels and of its object table. The committed fixture was
// made from the program as it drew before any speed-up or reorganisation;
// every later build must draw the same frames bit for bit.
#pragma once

#include <string>
#include <vector>

namespace hz::testing {

struct GoldenFrame {
  std::string name;        // the run and the frame within it, e.g. "turning-view/7"
  std::string pixels_sha;  // SHA-256 (hex) of the 641 x 665 pixels, RGB rows top to bottom
  std::string table_sha;   // SHA-256 (hex) of the --table text of the frame
};

// Draws every golden frame in a fixed order.
std::vector<GoldenFrame> draw_golden_frames();

// One fixture line a frame: name, pixel hash and table hash, tab-separated.
std::string golden_line(const GoldenFrame& f);

}  // namespace hz::testing
