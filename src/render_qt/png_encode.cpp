// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_qt/png_encode.hpp"

#include <QBuffer>
#include <QImageWriter>

#include "render_qt/png_image.hpp"

namespace hz {

std::optional<QByteArray> png_encode(const QImage& image, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  writer.setQuality(quality);
  if (!writer.write(png_ready(image))) return std::nullopt;
  return bytes;
}

}  // namespace hz
