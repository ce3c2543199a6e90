// SPDX-License-Identifier: GPL-3.0-or-later
// The frame as it goes into a PNG file.
#pragma once

#include <QImage>

namespace hz {

// A copy of an RGB32 image with the same pixels in at most 256 palette
// colours, which a PNG holds in a quarter of the bytes and Qt writes in a
// quarter of the time; an image with more colours, or of another format,
// comes back as it is. A frame has a few dozen colours: the sky, the grid,
// the texts, the markers and the star colours.
QImage png_ready(const QImage& image);

}  // namespace hz
