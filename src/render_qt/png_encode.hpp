// SPDX-License-Identifier: GPL-3.0-or-later
// A frame as the bytes of a PNG file, made in memory so that the file is
// written by the one writer (output/safe_write) or not at all.
#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

namespace hz {

// The PNG of an image, in a palette when it has few colours (png_ready).
//
// Given:    image    the frame
//           quality  Qt's PNG quality: -1 the default, 80 zlib level 1
// Returned: the file's bytes; nothing if Qt could not encode the image.
std::optional<QByteArray> png_encode(const QImage& image, int quality = -1);

}  // namespace hz
