// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_qt/image_surface.hpp"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "render/raster.hpp"
#include "render_qt/fonts.hpp"
#include "render_qt/vector_state.hpp"

namespace hz {

namespace {

QRgb to_qrgb(Rgb c) { return qRgb(red_of(c), green_of(c), blue_of(c)); }
Rgb from_qrgb(QRgb p) { return rgb(qRed(p), qGreen(p), qBlue(p)); }

// The rasterisers' view of the image, for one drawing call: the image is
// detached from any copy once, then written through its pixel array. Final,
// so that the rasterisers' templates call get and put directly. The image is
// always surface_width x surface_height RGB32, whose rows are never padded.
class ImageGrid final : public PixelGrid {
 public:
  explicit ImageGrid(QImage& img) : bits_(reinterpret_cast<QRgb*>(img.bits())) {}
  int width() const override { return surface_width; }
  int height() const override { return surface_height; }
  Rgb get(int x, int y) const override { return from_qrgb(bits_[y * surface_width + x]); }
  void put(int x, int y, Rgb c) override { bits_[y * surface_width + x] = to_qrgb(c); }

 private:
  QRgb* bits_;
};

// The pixels of a recording: offsets into the image and their colours.
struct ImageRecording : SurfaceRecording {
  std::vector<std::pair<qsizetype, QRgb>> pixels;
};

}  // namespace

ImageSurface::ImageSurface()
    : plain_(rgb(255, 255, 255)),
      back_(rgb(255, 255, 255)),
      fore_(rgb(0, 0, 0)),
      fill_(rgb(0, 0, 0)) {}

const QImage& ImageSurface::image() const { return pixels(); }

QImage& ImageSurface::pixels() const {
  if (image_.isNull()) {
    image_ = QImage(surface_width, surface_height, QImage::Format_RGB32);
    image_.fill(to_qrgb(*plain_));  // a null image has never been drawn on
    clear_upper_vector_state();
  }
  return image_;
}

QImage& ImageSurface::drawn_on() {
  QImage& image = pixels();
  plain_.reset();
  return image;
}

void ImageSurface::fill_with_back() {
  if (plain_ == back_) return;
  plain_ = back_;
  if (image_.isNull()) return;
  image_.fill(to_qrgb(back_));
  clear_upper_vector_state();
}

void ImageSurface::set_back_color(Rgb c) {
  back_ = c;
  fill_with_back();
}

void ImageSurface::cls() {
  // A frame starts here, perhaps after the window has painted the last one.
  clear_upper_vector_state();
  fill_with_back();
  cur_x_ = 0;
  cur_y_ = 0;
}

std::unique_ptr<SurfaceRecording> ImageSurface::record() const {
  auto r = std::make_unique<ImageRecording>();
  const QRgb back = to_qrgb(back_);
  const QImage& image = pixels();
  const auto* bits = reinterpret_cast<const QRgb*>(image.constBits());
  const qsizetype n = image.sizeInBytes() / static_cast<qsizetype>(sizeof(QRgb));
  for (qsizetype i = 0; i < n; ++i) {
    if (bits[i] != back) r->pixels.emplace_back(i, bits[i]);
  }
  return r;
}

void ImageSurface::replay(const SurfaceRecording& recording) {
  const auto& r = dynamic_cast<const ImageRecording&>(recording);
  if (r.pixels.empty()) return;
  auto* bits = reinterpret_cast<QRgb*>(drawn_on().bits());
  for (const auto& [i, c] : r.pixels) bits[i] = c;
}

void ImageSurface::set_current(double x, double y) {
  cur_x_ = x;
  cur_y_ = y;
}

namespace {

// Text drawn as the surface draws it: no antialiasing, the baseline one
// ascent below the top-left corner (px, py).
void draw_text(QPainter& painter, const QFont& font, const QFontMetrics& fm, Rgb colour, int px,
               int py, std::string_view utf8) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setFont(font);
  painter.setPen(QColor(to_qrgb(colour)));
  painter.drawText(QPoint(px, py + fm.ascent()),
                   QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

}  // namespace

void ImageSurface::print(std::string_view utf8) {
  const double x = cur_x_;
  const double y = cur_y_;
  if (QGuiApplication::instance() == nullptr) {
    cur_x_ = 0;
    cur_y_ = y + surface_font_pixels;  // the best guess without metrics
    return;
  }
  const QFont font = surface_font();
  const QFontMetrics fm(font);
  cur_x_ = 0;
  cur_y_ = y + fm.height();

  const auto px = pixel_of(x);
  const auto py = pixel_of(y);
  if (!px || !py) return;
  // Text wholly off the image draws nothing; this also keeps the int
  // conversions below in range.
  if (*px > surface_width || *py > surface_height || *px < -100000 || *py < -100000) return;

  QPainter painter(&drawn_on());
  draw_text(painter, font, fm, fore_, static_cast<int>(*px), static_cast<int>(*py), utf8);
  painter.end();
  clear_upper_vector_state();
}

const ImageSurface::TextMask& ImageSurface::text_mask(std::string_view utf8, const QFont& font) {
  if (const auto it = text_masks_.find(utf8); it != text_masks_.end()) return it->second;
  // Drawn once in white on black, with room on every side.
  const QFontMetrics fm(font);
  constexpr int margin = 16;
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  const int w = fm.horizontalAdvance(text) + 2 * margin, h = fm.height() + 2 * margin;
  QImage scratch(w, h, QImage::Format_RGB32);
  scratch.fill(Qt::black);
  QPainter painter(&scratch);
  draw_text(painter, font, fm, col_text, margin, margin, utf8);
  painter.end();
  clear_upper_vector_state();
  TextMask mask;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (scratch.pixel(x, y) != qRgb(0, 0, 0)) {
        mask.emplace_back(static_cast<std::int16_t>(x - margin),
                          static_cast<std::int16_t>(y - margin));
      }
    }
  }
  return text_masks_.emplace(std::string(utf8), std::move(mask)).first->second;
}

void ImageSurface::print_all(std::span<const PlacedText> texts) {
  if (texts.empty()) return;
  if (QGuiApplication::instance() == nullptr) {
    cur_x_ = 0;
    cur_y_ = texts.back().y + surface_font_pixels;  // the best guess without metrics
    return;
  }
  const QFont font = surface_font();
  const QFontMetrics fm(font);
  for (const PlacedText& t : texts) {
    cur_x_ = 0;
    cur_y_ = t.y + fm.height();
    const auto px = pixel_of(t.x);
    const auto py = pixel_of(t.y);
    if (!px || !py) continue;
    if (*px > surface_width || *py > surface_height || *px < -100000 || *py < -100000) continue;
    const TextMask& mask = text_mask(t.utf8, font);
    const QRgb c = to_qrgb(fore_);
    auto* bits = reinterpret_cast<QRgb*>(drawn_on().bits());
    for (const auto& [dx, dy] : mask) {
      const std::int64_t x = *px + dx, y = *py + dy;
      if (x >= 0 && x < surface_width && y >= 0 && y < surface_height) {
        bits[y * surface_width + x] = c;
      }
    }
  }
  // The font's and the metrics' code leaves the vector registers' upper
  // halves in use, as Qt's text drawing does.
  clear_upper_vector_state();
}

void ImageSurface::circle(double x, double y, double radius, Rgb outline,
                          std::optional<ArcAngles> arc, double aspect) {
  if (!std::isfinite(radius) || radius < 0 || !std::isfinite(aspect) || aspect < 0) return;
  const Radii r = ellipse_radii(radius, aspect);
  ImageGrid g(drawn_on());
  std::optional<Rgb> fill;
  if (fill_style_ == FillStyle::solid) fill = fill_;
  raster_ellipse(g, x, y, r.rx, r.ry, arc, outline, fill);
}

void ImageSurface::line(double x1, double y1, double x2, double y2, Rgb c) {
  ImageGrid g(drawn_on());
  raster_line(g, x1, y1, x2, y2, c);
}

void ImageSurface::polyline(std::span<const Point> points, Rgb c) {
  if (points.size() < 2) return;
  ImageGrid g(drawn_on());
  for (std::size_t i = 1; i < points.size(); ++i) {
    raster_line(g, points[i].x, points[i].y, points[i - 1].x, points[i - 1].y, c);
  }
}

void ImageSurface::pset(double x, double y, Rgb c) {
  ImageGrid g(drawn_on());
  raster_point(g, x, y, c);
}

void ImageSurface::pset_all(std::span<const Point> points, Rgb c) {
  if (points.empty()) return;
  ImageGrid g(drawn_on());
  for (const Point& p : points) raster_point(g, p.x, p.y, c);
}

void ImageSurface::fill_spans_under(std::span<const PixelSpan> spans, Rgb c,
                                    std::span<const Rgb> under) {
  if (spans.empty()) return;
  // On the image's words themselves: a fill visits tens of thousands of
  // pixels a frame.
  QRgb raw_under[8];
  const std::size_t n = std::min<std::size_t>(under.size(), 8);
  for (std::size_t k = 0; k < n; ++k) raw_under[k] = to_qrgb(under[k]);
  const QRgb raw = to_qrgb(c);
  auto* bits = reinterpret_cast<QRgb*>(drawn_on().bits());
  for (const PixelSpan& sp : spans) {
    if (sp.y < 0 || sp.y >= surface_height) continue;
    QRgb* row = bits + static_cast<std::ptrdiff_t>(sp.y) * surface_width;
    const int x1 = std::min(sp.x1, surface_width - 1);
    for (int x = std::max(sp.x0, 0); x <= x1; ++x) {
      for (std::size_t k = 0; k < n; ++k) {
        if (row[x] != raw_under[k]) continue;
        row[x] = raw;
        break;
      }
    }
  }
  if (under.size() > n) {
    ImageGrid g(drawn_on());
    raster_spans_under(g, spans, c, under.subspan(n));
  }
}

std::optional<Rgb> ImageSurface::point(double x, double y) const {
  const auto px = pixel_of(x);
  const auto py = pixel_of(y);
  if (!px || !py || *px < 0 || *py < 0 || *px >= surface_width || *py >= surface_height) {
    return std::nullopt;
  }
  return from_qrgb(pixels().pixel(static_cast<int>(*px), static_cast<int>(*py)));
}

}  // namespace hz
