// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/memory_surface.hpp"

#include <cmath>
#include <cstddef>
#include <utility>

#include "render/raster.hpp"

namespace hz {

namespace {

// The rasterisers' view of the buffer. Final, so that the rasterisers'
// templates call get and put directly.
class ByteGrid final : public PixelGrid {
 public:
  ByteGrid(std::vector<std::uint8_t>& rgba, int w, int h) : bytes_(rgba.data()), w_(w), h_(h) {}
  int width() const override { return w_; }
  int height() const override { return h_; }
  Rgb get(int x, int y) const override {
    const std::uint8_t* p = bytes_ + 4 * (std::size_t(y) * std::size_t(w_) + std::size_t(x));
    return rgb(p[0], p[1], p[2]);
  }
  void put(int x, int y, Rgb c) override {
    std::uint8_t* p = bytes_ + 4 * (std::size_t(y) * std::size_t(w_) + std::size_t(x));
    p[0] = static_cast<std::uint8_t>(red_of(c));
    p[1] = static_cast<std::uint8_t>(green_of(c));
    p[2] = static_cast<std::uint8_t>(blue_of(c));
  }

 private:
  std::uint8_t* bytes_;
  int w_, h_;
};

struct MemoryRecording : SurfaceRecording {
  std::vector<std::uint8_t> rgba;
  std::vector<SurfaceText> texts;
};

}  // namespace

MemorySurface::MemorySurface()
    : rgba_(4 * std::size_t{surface_width} * surface_height, 255),
      back_(rgb(255, 255, 255)),
      fore_(rgb(0, 0, 0)),
      fill_(rgb(0, 0, 0)) {
  plain_ = back_;
}

std::vector<std::uint8_t>& MemorySurface::drawn_on() {
  fill_if_pending();
  plain_.reset();
  return rgba_;
}

void MemorySurface::fill_with_back() {
  if (plain_ == back_) return;
  plain_ = back_;
  fill_pending_ = true;
}

void MemorySurface::fill_if_pending() const {
  if (!fill_pending_) return;
  fill_pending_ = false;
  const auto r = static_cast<std::uint8_t>(red_of(*plain_));
  const auto g = static_cast<std::uint8_t>(green_of(*plain_));
  const auto b = static_cast<std::uint8_t>(blue_of(*plain_));
  for (std::size_t i = 0; i < rgba_.size(); i += 4) {
    rgba_[i] = r;
    rgba_[i + 1] = g;
    rgba_[i + 2] = b;
  }
}

void MemorySurface::set_pixel_ratio(double ratio) {
  ratio = usable_pixel_ratio(ratio);
  if (ratio == scale_.ratio) return;
  scale_.ratio = ratio;
  w_ = scale_.size(surface_width);
  h_ = scale_.size(surface_height);
  rgba_.assign(4 * std::size_t(w_) * std::size_t(h_), 255);
  plain_ = rgb(255, 255, 255);
  fill_with_back();
}

std::unique_ptr<PixelGrid> MemorySurface::device_pixels() {
  return std::make_unique<ByteGrid>(drawn_on(), w_, h_);
}

void MemorySurface::set_back_color(Rgb c) {
  back_ = c;
  fill_with_back();
  texts_.clear();
}

void MemorySurface::cls() {
  fill_with_back();
  texts_.clear();
  cur_x_ = 0;
  cur_y_ = 0;
}

std::unique_ptr<SurfaceRecording> MemorySurface::record() const {
  auto r = std::make_unique<MemoryRecording>();
  fill_if_pending();
  r->rgba = rgba_;
  r->texts = texts_;
  return r;
}

void MemorySurface::replay(const SurfaceRecording& recording) {
  const auto& r = dynamic_cast<const MemoryRecording&>(recording);
  fill_pending_ = false;  // overwritten whole
  plain_.reset();
  rgba_ = r.rgba;
  texts_ = r.texts;
}

void MemorySurface::set_current(double x, double y) {
  cur_x_ = x;
  cur_y_ = y;
}

void MemorySurface::print(std::string_view utf8) {
  const double x = cur_x_;
  const double y = cur_y_;
  cur_x_ = 0;
  cur_y_ = y + surface_line_height;
  const auto px = pixel_of(x);
  const auto py = pixel_of(y);
  if (!px || !py) return;
  // The Qt surface's test for a text wholly off the image.
  if (*px > surface_width || *py > surface_height || *px < -100000 || *py < -100000) return;
  texts_.push_back({static_cast<int>(*px), static_cast<int>(*py), std::string(utf8), fore_});
}

void MemorySurface::circle(double x, double y, double radius, Rgb outline,
                           std::optional<ArcAngles> arc, double aspect) {
  if (!std::isfinite(radius) || radius < 0 || !std::isfinite(aspect) || aspect < 0) return;
  const Radii r = ellipse_radii(radius, aspect);
  ByteGrid g(drawn_on(), w_, h_);
  std::optional<Rgb> fill;
  if (fill_style_ == FillStyle::solid) fill = fill_;
  scaled_ellipse(g, scale_, x, y, r.rx, r.ry, arc, outline, fill);
}

void MemorySurface::line(double x1, double y1, double x2, double y2, Rgb c) {
  ByteGrid g(drawn_on(), w_, h_);
  scaled_line(g, scale_, x1, y1, x2, y2, c);
}

void MemorySurface::polyline(std::span<const Point> points, Rgb c) {
  if (points.size() < 2) return;
  ByteGrid g(drawn_on(), w_, h_);
  scaled_polyline(g, scale_, points, c);
}

void MemorySurface::pset(double x, double y, Rgb c) {
  ByteGrid g(drawn_on(), w_, h_);
  const Point p{x, y};
  scaled_points(g, scale_, std::span(&p, 1), c);
}

void MemorySurface::pset_all(std::span<const Point> points, Rgb c) {
  if (points.empty()) return;
  ByteGrid g(drawn_on(), w_, h_);
  scaled_points(g, scale_, points, c);
}

void MemorySurface::discs(std::span<const Point> centres, double radius, Rgb c) {
  if (scale_.ratio == 1 || !std::isfinite(radius) || radius < 0) {
    Surface::discs(centres, radius, c);
    return;
  }
  if (centres.empty()) return;
  ByteGrid g(drawn_on(), w_, h_);
  for (const Point& p : centres)
    scaled_ellipse(g, scale_, p.x, p.y, radius, radius, std::nullopt, c, c);
}

void MemorySurface::pset_indices(std::span<const std::uint32_t> indices, Rgb c) {
  if (indices.empty()) return;
  // The indices are logical pixels: above ratio 1 each is a block.
  if (scale_.ratio != 1) {
    Surface::pset_indices(indices, c);
    return;
  }
  std::uint8_t* bytes = drawn_on().data();
  for (const std::uint32_t i : indices) {
    std::uint8_t* p = bytes + 4 * std::size_t(i);
    p[0] = static_cast<std::uint8_t>(red_of(c));
    p[1] = static_cast<std::uint8_t>(green_of(c));
    p[2] = static_cast<std::uint8_t>(blue_of(c));
  }
}

void MemorySurface::fill_spans_under(std::span<const PixelSpan> spans, Rgb c,
                                     std::span<const Rgb> under) {
  if (spans.empty()) return;
  // The spans are logical pixels: above ratio 1 each pixel is a block.
  if (scale_.ratio != 1) {
    Surface::fill_spans_under(spans, c, under);
    return;
  }
  ByteGrid g(drawn_on(), w_, h_);
  raster_spans_under(g, spans, c, under);
}

std::optional<Rgb> MemorySurface::point(double x, double y) const {
  const auto px = scale_.ratio == 1 ? pixel_of(x) : scale_.anchor_pixel(x);
  const auto py = scale_.ratio == 1 ? pixel_of(y) : scale_.anchor_pixel(y);
  if (!px || !py || *px < 0 || *py < 0 || *px >= w_ || *py >= h_) return std::nullopt;
  if (plain_) return *plain_;  // perhaps not filled yet
  const std::uint8_t* p = rgba_.data() + 4 * (*py * w_ + *px);
  return rgb(p[0], p[1], p[2]);
}

}  // namespace hz
