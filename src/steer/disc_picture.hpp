// SPDX-License-Identifier: GPL-3.0-or-later
// The lit shape of a disc as a small picture that a page shows inline: a
// BMP in a data URL, which the window's rich text and every browser read
// without a library to make it.
#pragma once

#include <string>

#include "almanac/disc_look.hpp"

namespace hz {

// The disc, size pixels across (at least 3), lit on the Sun's side (east of
// the Sun, in the evening, the right: west as one faces south), the rest
// dark grey, on white: "data:image/bmp;base64,...".
std::string disc_picture(const DiscLook& look, int size);

}  // namespace hz
