// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_qt/image_surface.hpp"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <iterator>
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
// always RGB32, whose rows are never padded.
class ImageGrid final : public PixelGrid {
 public:
  explicit ImageGrid(QImage& img)
      : bits_(reinterpret_cast<QRgb*>(img.bits())), w_(img.width()), h_(img.height()) {}
  int width() const override { return w_; }
  int height() const override { return h_; }
  Rgb get(int x, int y) const override { return from_qrgb(bits_[y * w_ + x]); }
  void put(int x, int y, Rgb c) override { bits_[y * w_ + x] = to_qrgb(c); }
  std::uint32_t* words() { return bits_; }
  std::uint32_t word(Rgb c) const { return to_qrgb(c); }

 private:
  QRgb* bits_;
  int w_, h_;
};

// The pixels of a recording: offsets into the image and their colours.
// Each pixel by its index (the largest image, 1923 x 1995, has fewer than
// 2^32) and colour: eight bytes, read back every frame.
struct ImageRecording : SurfaceRecording {
  std::vector<std::pair<std::uint32_t, QRgb>> pixels;
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
    image_ = QImage(w_, h_, QImage::Format_RGB32);
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

void ImageSurface::set_pixel_ratio(double ratio) {
  ratio = usable_pixel_ratio(ratio);
  if (ratio == scale_.ratio) return;
  scale_.ratio = ratio;
  w_ = scale_.size(surface_width);
  h_ = scale_.size(surface_height);
  image_ = QImage();  // made again at the new size, in the background colour
  plain_ = back_;
  text_masks_.clear();
  outline_masks_.clear();
  device_font_.reset();
}

std::unique_ptr<PixelGrid> ImageSurface::device_pixels() {
  return std::make_unique<ImageGrid>(drawn_on());
}

const QFont& ImageSurface::device_font() {
  if (!device_font_) {
    device_font_ = surface_font();
    if (scale_.ratio != 1) {
      device_font_->setPixelSize(static_cast<int>(std::rint(surface_font_pixels * scale_.ratio)));
    }
  }
  return *device_font_;
}

int ImageSurface::line_height() {
  if (!line_height_) line_height_ = QFontMetrics(surface_font()).height();
  return *line_height_;
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
    if (bits[i] != back) r->pixels.emplace_back(static_cast<std::uint32_t>(i), bits[i]);
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
  cur_x_ = 0;
  cur_y_ = y + line_height();
  const auto corner = text_corner(x, y);
  if (!corner) return;
  QPainter painter(&drawn_on());
  const QFont& font = device_font();
  draw_text(painter, font, QFontMetrics(font), fore_, static_cast<int>(corner->first),
            static_cast<int>(corner->second), utf8);
  painter.end();
  clear_upper_vector_state();
}

std::optional<std::pair<std::int64_t, std::int64_t>> ImageSurface::text_corner(double x,
                                                                               double y) const {
  const auto px = pixel_of(x);
  const auto py = pixel_of(y);
  if (!px || !py) return std::nullopt;
  // Text wholly off the image draws nothing; this also keeps the int
  // conversions in range.
  if (*px > surface_width || *py > surface_height || *px < -100000 || *py < -100000) {
    return std::nullopt;
  }
  return std::pair{scale_.text_corner(*px), scale_.text_corner(*py)};
}

ImageSurface::TextMask ImageSurface::mask_of(
    std::vector<std::pair<std::int16_t, std::int16_t>> pixels) const {
  TextMask mask;
  mask.pixels = std::move(pixels);
  if (mask.pixels.empty()) return mask;
  mask.left = mask.right = mask.pixels.front().first;
  mask.top = mask.bottom = mask.pixels.front().second;
  for (const auto& [dx, dy] : mask.pixels) {
    mask.left = std::min<int>(mask.left, dx);
    mask.right = std::max<int>(mask.right, dx);
    mask.top = std::min<int>(mask.top, dy);
    mask.bottom = std::max<int>(mask.bottom, dy);
    mask.index.push_back(dy * w_ + dx);
  }
  return mask;
}

const ImageSurface::TextMask& ImageSurface::text_mask(std::string_view utf8) {
  if (const auto it = text_masks_.find(utf8); it != text_masks_.end()) return it->second;
  // Drawn once in white on black, with room on every side.
  const QFont& font = device_font();
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
  std::vector<std::pair<std::int16_t, std::int16_t>> pixels;
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      if (row[x] != qRgb(0, 0, 0)) {
        pixels.emplace_back(static_cast<std::int16_t>(x - margin),
                            static_cast<std::int16_t>(y - margin));
      }
    }
  }
  return text_masks_.emplace(std::string(utf8), mask_of(std::move(pixels))).first->second;
}

const ImageSurface::TextMask& ImageSurface::outline_mask(
    std::string_view utf8, std::span<const std::pair<std::int16_t, std::int16_t>> moves) {
  std::string& key = outline_key_;  // kept, so that a lookup allocates nothing
  key.assign(utf8);
  key += '\0';
  for (const auto& [dx, dy] : moves) {
    key += static_cast<char>(dx);
    key += static_cast<char>(dy);
  }
  if (const auto it = outline_masks_.find(key); it != outline_masks_.end()) return it->second;
  const TextMask& own = text_mask(utf8);
  std::vector<std::pair<std::int16_t, std::int16_t>> pixels;
  for (const auto& [mx, my] : moves) {
    for (const auto& [dx, dy] : own.pixels) {
      pixels.emplace_back(static_cast<std::int16_t>(dx + mx), static_cast<std::int16_t>(dy + my));
    }
  }
  // In rows, as the text's own pixels are.
  const auto row_major = [](const auto& a, const auto& b) {
    return std::pair(a.second, a.first) < std::pair(b.second, b.first);
  };
  std::sort(pixels.begin(), pixels.end(), row_major);
  pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
  std::vector<std::pair<std::int16_t, std::int16_t>> beyond;
  std::set_difference(pixels.begin(), pixels.end(), own.pixels.begin(), own.pixels.end(),
                      std::back_inserter(beyond), row_major);
  return outline_masks_.emplace(key, mask_of(std::move(beyond))).first->second;
}

void ImageSurface::set_mask(const TextMask& mask, std::int64_t left, std::int64_t top, QRgb c) {
  auto* bits = reinterpret_cast<QRgb*>(drawn_on().bits());
  if (left + mask.left >= 0 && left + mask.right < w_ && top + mask.top >= 0 &&
      top + mask.bottom < h_) {
    QRgb* corner = bits + top * w_ + left;
    for (const std::int32_t i : mask.index) corner[i] = c;
    return;
  }
  for (const auto& [dx, dy] : mask.pixels) {
    const std::int64_t x = left + dx, y = top + dy;
    if (x >= 0 && x < w_ && y >= 0 && y < h_) bits[y * w_ + x] = c;
  }
}

void ImageSurface::print_all(std::span<const PlacedText> texts) {
  if (texts.empty()) return;
  if (QGuiApplication::instance() == nullptr) {
    cur_x_ = 0;
    cur_y_ = texts.back().y + surface_font_pixels;  // the best guess without metrics
    return;
  }
  const QRgb c = to_qrgb(fore_);
  for (const PlacedText& t : texts) {
    if (const auto corner = text_corner(t.x, t.y)) {
      set_mask(text_mask(t.utf8), corner->first, corner->second, c);
    }
  }
  cur_x_ = 0;
  cur_y_ = texts.back().y + line_height();
  // The font's and the metrics' code leaves the vector registers' upper
  // halves in use, as Qt's text drawing does.
  clear_upper_vector_state();
}

void ImageSurface::print_outlines(std::span<const PlacedText> texts,
                                  std::span<const Point> offsets) {
  if (texts.empty() || offsets.empty()) return;
  if (QGuiApplication::instance() == nullptr) {
    Surface::print_outlines(texts, offsets);
    return;
  }
  const QRgb c = to_qrgb(fore_);
  std::vector<std::pair<std::int16_t, std::int16_t>> moves(offsets.size());
  for (const PlacedText& t : texts) {
    // Each copy where print_all would put it: as a move of whole device
    // pixels from the text's own corner, or, off the image's range, one by
    // one.
    const auto corner = text_corner(t.x, t.y);
    bool moved_whole = corner.has_value();
    for (std::size_t k = 0; k < offsets.size() && moved_whole; ++k) {
      const auto copy = text_corner(t.x + offsets[k].x, t.y + offsets[k].y);
      if (!copy) {
        moved_whole = false;
        break;
      }
      const std::int64_t mx = copy->first - corner->first, my = copy->second - corner->second;
      moved_whole = mx >= -64 && mx <= 64 && my >= -64 && my <= 64;
      moves[k] = {static_cast<std::int16_t>(mx), static_cast<std::int16_t>(my)};
    }
    if (moved_whole) {
      set_mask(outline_mask(t.utf8, moves), corner->first, corner->second, c);
      continue;
    }
    for (const Point& d : offsets) {
      if (const auto copy = text_corner(t.x + d.x, t.y + d.y)) {
        set_mask(text_mask(t.utf8), copy->first, copy->second, c);
      }
    }
  }
  cur_x_ = 0;
  cur_y_ = texts.back().y + offsets.back().y + line_height();
  clear_upper_vector_state();
}

void ImageSurface::circle(double x, double y, double radius, Rgb outline,
                          std::optional<ArcAngles> arc, double aspect) {
  if (!std::isfinite(radius) || radius < 0 || !std::isfinite(aspect) || aspect < 0) return;
  const Radii r = ellipse_radii(radius, aspect);
  ImageGrid g(drawn_on());
  std::optional<Rgb> fill;
  if (fill_style_ == FillStyle::solid) fill = fill_;
  scaled_ellipse(g, scale_, x, y, r.rx, r.ry, arc, outline, fill);
}

void ImageSurface::line(double x1, double y1, double x2, double y2, Rgb c) {
  ImageGrid g(drawn_on());
  scaled_line(g, scale_, x1, y1, x2, y2, c);
}

void ImageSurface::polyline(std::span<const Point> points, Rgb c) {
  if (points.size() < 2) return;
  ImageGrid g(drawn_on());
  scaled_polyline(g, scale_, points, c);
}

void ImageSurface::pset(double x, double y, Rgb c) {
  ImageGrid g(drawn_on());
  const Point p{x, y};
  scaled_points(g, scale_, std::span(&p, 1), c);
}

void ImageSurface::pset_all(std::span<const Point> points, Rgb c) {
  if (points.empty()) return;
  ImageGrid g(drawn_on());
  scaled_points(g, scale_, points, c);
}

void ImageSurface::discs(std::span<const Point> centres, double radius, Rgb c) {
  if (!std::isfinite(radius) || radius < 0) {
    Surface::discs(centres, radius, c);
    return;
  }
  if (centres.empty()) return;
  ImageGrid g(drawn_on());
  if (scale_.ratio == 1) {
    // The pixels Surface::discs would gather, set as they come.
    const std::vector<Point> disc = disc_offsets(radius);
    for (const Point& p : centres) {
      const double cx = std::rint(p.x), cy = std::rint(p.y);
      for (const Point& d : disc) raster_point(g, cx + d.x, cy + d.y, c);
    }
    return;
  }
  for (const Point& p : centres)
    scaled_ellipse(g, scale_, p.x, p.y, radius, radius, std::nullopt, c, c);
}

void ImageSurface::pset_indices(std::span<const std::uint32_t> indices, Rgb c) {
  if (indices.empty()) return;
  // The indices are logical pixels: above ratio 1 each is a block.
  if (scale_.ratio != 1) {
    Surface::pset_indices(indices, c);
    return;
  }
  auto* bits = reinterpret_cast<QRgb*>(drawn_on().bits());
  const QRgb q = to_qrgb(c);
  for (const std::uint32_t i : indices) bits[i] = q;
}

void ImageSurface::fill_spans_under(std::span<const PixelSpan> spans, Rgb c,
                                    std::span<const Rgb> under) {
  if (spans.empty()) return;
  // The spans are logical pixels: above ratio 1 each pixel is a block.
  if (scale_.ratio != 1) {
    Surface::fill_spans_under(spans, c, under);
    return;
  }
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
    if (n == 1) {
      // One colour beneath (the Milky Way's, on the sky): a loop without
      // branches, which the compiler runs several pixels at a time.
      const QRgb u = raw_under[0];
      for (int x = std::max(sp.x0, 0); x <= x1; ++x) row[x] = row[x] == u ? raw : row[x];
      continue;
    }
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
  const auto px = scale_.ratio == 1 ? pixel_of(x) : scale_.anchor_pixel(x);
  const auto py = scale_.ratio == 1 ? pixel_of(y) : scale_.anchor_pixel(y);
  if (!px || !py || *px < 0 || *py < 0 || *px >= w_ || *py >= h_) return std::nullopt;
  return from_qrgb(pixels().pixel(static_cast<int>(*px), static_cast<int>(*py)));
}

}  // namespace hz
