// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_qt/png_image.hpp"

#include <gtest/gtest.h>

#include <QBuffer>

namespace hz {
namespace {

// An RGB32 image of n colours in stripes.
QImage stripes(int n) {
  QImage img(641, 665, QImage::Format_RGB32);
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x)
      img.setPixel(x, y, qRgb((x * n / 641) % 256, 3, (x * n / 641) / 256));
  }
  return img;
}

TEST(PngReady, SamePixelsThroughAPngFileInAPaletteOnlyWhenTheyFit) {
  struct Case {
    int colours;
    QImage::Format written;
  };
  for (const Case k : {Case{1, QImage::Format_Indexed8}, Case{40, QImage::Format_Indexed8},
                       Case{256, QImage::Format_Indexed8}, Case{257, QImage::Format_RGB32}}) {
    const QImage img = stripes(k.colours);
    const QImage ready = png_ready(img);
    EXPECT_EQ(ready.format(), k.written) << k.colours;
    QBuffer file;
    file.open(QIODevice::ReadWrite);
    ASSERT_TRUE(ready.save(&file, "PNG", 80)) << k.colours;
    const QImage back = QImage::fromData(file.data(), "PNG").convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(back == img) << k.colours << " colours: pixels changed on the way";
  }
}

}  // namespace
}  // namespace hz
