// SPDX-License-Identifier: GPL-3.0-or-later
// draw-icon: hoshizora's icon as a PNG of the given size, the same picture as
// data/icons/jp.hoshizora.Hoshizora.svg (a 128-unit square):
//   draw-icon 256 data/icons/256/jp.hoshizora.Hoshizora.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cerrno>
#include <cstdlib>
#include <iostream>

#include "output/safe_write.hpp"
#include "render_qt/offscreen_app.hpp"
#include "render_qt/png_encode.hpp"

namespace {

struct Disc {
  double x, y, r;
  QColor fill;
};

const QColor night(0x00, 0x00, 0x5f), horizon(0x00, 0xbf, 0xbf), moon(0xde, 0xdf, 0x00);
const Disc kStars[] = {{34, 40, 3, Qt::white}, {50, 74, 3, Qt::white}, {78, 86, 3, Qt::white},
                       {30, 88, 3, Qt::white}, {96, 76, 3, Qt::white}, {58, 28, 2, Qt::white},
                       {44, 56, 2, Qt::white}, {104, 56, 2, Qt::white}};

void disc(QPainter& p, const Disc& d) {
  p.setBrush(d.fill);
  p.drawEllipse(QPointF(d.x, d.y), d.r, d.r);
}

}  // namespace

int main(int argc, char** argv) {
  const int size = argc == 3 ? std::atoi(argv[1]) : 0;
  if (size < 16 || size > 1024) {
    std::cerr << "usage: draw-icon SIZE FILE.png  (SIZE 16..1024)\n";
    return 2;
  }
  hz::OffscreenApp<QGuiApplication> app(argv[0]);
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 128.0, size / 128.0);
  p.setPen(QPen(horizon, 4));
  disc(p, {64, 64, 60, night});
  p.setPen(Qt::NoPen);
  disc(p, {84, 42, 16, moon});
  disc(p, {92, 36, 14, night});
  for (const Disc& s : kStars) disc(p, s);
  p.end();
  const auto png = hz::png_encode(image);
  const auto e = png ? hz::write_file(argv[2], std::string_view(png->constData(), png->size()))
                     : hz::WriteError{argv[2], EINVAL};
  if (e) std::cerr << "draw-icon: " << hz::write_error_text(*e) << '\n';
  return e ? 1 : 0;
}
