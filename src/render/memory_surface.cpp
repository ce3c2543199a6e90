// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/memory_surface.hpp"

#include <cmath>
#include <cstddef>
#include <utility>

#include "render/raster.hpp"

namespace hz {

namespace {

constexpr std::size_t pixel_count = std::size_t{surface_width} * surface_height;

// The rasterisers' view of the buffer. Final, so that the rasterisers'
// templates call get and put directly.
class ByteGrid final : public PixelGrid {
 public:
  explicit ByteGrid(std::vector<std::uint8_t>& rgba) : bytes_(rgba.data()) {}
  int width() const override { return surface_width; }
  int height() const override { return surface_height; }
  Rgb get(int x, int y) const override {
    const std::uint8_t* p = bytes_ + 4 * (std::size_t(y) * surface_width + std::size_t(x));
    return rgb(p[0], p[1], p[2]);
  }
  void put(int x, int y, Rgb c) override {
    std::uint8_t* p = bytes_ + 4 * (std::size_t(y) * surface_width + std::size_t(x));
    p[0] = static_cast<std::uint8_t>(red_of(c));
    p[1] = static_cast<std::uint8_t>(green_of(c));
    p[2] = static_cast<std::uint8_t>(blue_of(c));
  }

 private:
  std::uint8_t* bytes_;
};

struct MemoryRecording : SurfaceRecording {
  std::vector<std::uint8_t> rgba;
  std::vector<SurfaceText> texts;
};

}  // namespace

MemorySurface::MemorySurface()
    : rgba_(4 * pixel_count, 255),
      back_(rgb(255, 255, 255)),
      fore_(rgb(0, 0, 0)),
      fill_(rgb(0, 0, 0)) {
  plain_ = back_;
}

std::vector<std::uint8_t>& MemorySurface::drawn_on() {
  plain_.reset();
  return rgba_;
}

void MemorySurface::fill_with_back() {
  if (plain_ == back_) return;
  plain_ = back_;
  const auto r = static_cast<std::uint8_t>(red_of(back_));
  const auto g = static_cast<std::uint8_t>(green_of(back_));
  const auto b = static_cast<std::uint8_t>(blue_of(back_));
  for (std::size_t i = 0; i < rgba_.size(); i += 4) {
    rgba_[i] = r;
    rgba_[i + 1] = g;
    rgba_[i + 2] = b;
  }
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
  r->rgba = rgba_;
  r->texts = texts_;
  return r;
}

void MemorySurface::replay(const SurfaceRecording& recording) {
  const auto& r = dynamic_cast<const MemoryRecording&>(recording);
  drawn_on() = r.rgba;
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
  ByteGrid g(drawn_on());
  std::optional<Rgb> fill;
  if (fill_style_ == FillStyle::solid) fill = fill_;
  raster_ellipse(g, x, y, r.rx, r.ry, arc, outline, fill);
}

void MemorySurface::line(double x1, double y1, double x2, double y2, Rgb c) {
  ByteGrid g(drawn_on());
  raster_line(g, x1, y1, x2, y2, c);
}

void MemorySurface::polyline(std::span<const Point> points, Rgb c) {
  if (points.size() < 2) return;
  ByteGrid g(drawn_on());
  for (std::size_t i = 1; i < points.size(); ++i) {
    raster_line(g, points[i].x, points[i].y, points[i - 1].x, points[i - 1].y, c);
  }
}

void MemorySurface::pset(double x, double y, Rgb c) {
  ByteGrid g(drawn_on());
  raster_point(g, x, y, c);
}

void MemorySurface::pset_all(std::span<const Point> points, Rgb c) {
  if (points.empty()) return;
  ByteGrid g(drawn_on());
  for (const Point& p : points) raster_point(g, p.x, p.y, c);
}

void MemorySurface::fill_spans_under(std::span<const PixelSpan> spans, Rgb c,
                                     std::span<const Rgb> under) {
  if (spans.empty()) return;
  ByteGrid g(drawn_on());
  raster_spans_under(g, spans, c, under);
}

std::optional<Rgb> MemorySurface::point(double x, double y) const {
  const auto px = pixel_of(x);
  const auto py = pixel_of(y);
  if (!px || !py || *px < 0 || *py < 0 || *px >= surface_width || *py >= surface_height) {
    return std::nullopt;
  }
  const std::uint8_t* p = rgba_.data() + 4 * (*py * surface_width + *px);
  return rgb(p[0], p[1], p[2]);
}

}  // namespace hz
