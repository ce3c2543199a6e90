// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_qt/png_image.hpp"

#include <QList>
#include <algorithm>

namespace hz {

QImage png_ready(const QImage& image) {
  if (image.format() != QImage::Format_RGB32) return image;
  QImage indexed(image.size(), QImage::Format_Indexed8);
  QList<QRgb> palette;
  // Runs of one colour are the rule: the palette is searched only when the
  // colour changes.
  QRgb last = 0;
  uchar last_index = 0;
  bool any = false;
  const int width = image.width(), height = image.height();
  for (int y = 0; y < height; ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    uchar* dst = indexed.scanLine(y);
    for (int x = 0; x < width; ++x) {
      const QRgb c = src[x];
      if (!any || c != last) {
        const auto found = std::find(palette.cbegin(), palette.cend(), c);
        if (found == palette.cend()) {
          if (palette.size() == 256) return image;
          palette.append(c);
          last_index = static_cast<uchar>(palette.size() - 1);
        } else {
          last_index = static_cast<uchar>(found - palette.cbegin());
        }
        last = c;
        any = true;
      }
      dst[x] = last_index;
    }
  }
  indexed.setColorTable(palette);
  return indexed;
}

}  // namespace hz
