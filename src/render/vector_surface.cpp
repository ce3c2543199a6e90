// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/vector_surface.hpp"

#include <cmath>
#include <map>

#include "render/raster.hpp"

namespace hz {

namespace {

// Whole pixels of a point, as the rasterisers round it.
std::optional<Point> whole(double x, double y) {
  const auto px = pixel_of(x);
  const auto py = pixel_of(y);
  if (!px || !py) return std::nullopt;
  return Point{double(*px), double(*py)};
}

// Whether a box about a centre misses the surface altogether.
bool off_surface(const Point& c, double rx, double ry) {
  return c.x + rx < -1 || c.y + ry < -1 || c.x - rx > surface_width || c.y - ry > surface_height;
}

}  // namespace

const VectorDrawing& VectorSurface::drawing() {
  flush_pixels();
  return drawing_;
}

void VectorSurface::clear() {
  pixels_.clear();
  drawing_.shapes.clear();
  drawing_.back = shadow_.back_color();
}

void VectorSurface::set_back_color(Rgb c) {
  shadow_.set_back_color(c);
  clear();
}

void VectorSurface::cls() {
  shadow_.cls();
  clear();
}

void VectorSurface::add(VectorShape shape) {
  flush_pixels();
  drawing_.shapes.push_back(std::move(shape));
}

void VectorSurface::flush_pixels() {
  if (pixels_.empty()) return;
  std::map<Rgb, std::vector<PixelRun>> by_colour;
  const std::pair<int, int>* last = nullptr;
  Rgb last_colour = 0;
  for (const auto& [at, c] : pixels_) {
    std::vector<PixelRun>& runs = by_colour[c];
    const bool joins = last && c == last_colour && at.first == last->first &&
                       at.second == last->second + 1 && !runs.empty();
    if (joins)
      runs.back().x1 = at.second;
    else
      runs.push_back({at.first, at.second, at.second});
    last = &at;
    last_colour = c;
  }
  pixels_.clear();
  for (auto& [c, runs] : by_colour) drawing_.shapes.push_back(VectorPixels{c, std::move(runs)});
}

void VectorSurface::print(std::string_view utf8) {
  const std::size_t before = shadow_.texts().size();
  shadow_.print(utf8);
  if (shadow_.texts().size() == before) return;
  const SurfaceText& t = shadow_.texts().back();
  add(VectorText{t.x, t.y, t.utf8, t.colour});
}

void VectorSurface::circle(double x, double y, double radius, Rgb outline,
                           std::optional<ArcAngles> arc, double aspect) {
  shadow_.circle(x, y, radius, outline, arc, aspect);
  if (!std::isfinite(radius) || radius < 0 || !std::isfinite(aspect) || aspect < 0) return;
  const auto c = whole(x, y);
  if (!c) return;
  const Radii r = ellipse_radii(radius, aspect);
  if (!std::isfinite(r.rx) || !std::isfinite(r.ry) || off_surface(*c, r.rx, r.ry)) return;
  if (arc) {
    add(VectorArc{c->x, c->y, r.rx, r.ry, *arc, outline});
    return;
  }
  std::optional<Rgb> fill;
  if (fill_style() == FillStyle::solid) fill = fill_color();
  add(VectorEllipse{c->x, c->y, r.rx, r.ry, outline, fill});
}

void VectorSurface::line(double x1, double y1, double x2, double y2, Rgb c) {
  shadow_.line(x1, y1, x2, y2, c);
  const auto a = whole(x1, y1);
  const auto b = whole(x2, y2);
  if (!a || !b) return;
  flush_pixels();
  auto* lines =
      drawing_.shapes.empty() ? nullptr : std::get_if<VectorLines>(&drawing_.shapes.back());
  if (!lines || lines->colour != c) {
    drawing_.shapes.push_back(VectorLines{c, {}});
    lines = &std::get<VectorLines>(drawing_.shapes.back());
  }
  // A line that goes on from where the last one ended continues its stroke.
  std::vector<Point>* last = lines->strokes.empty() ? nullptr : &lines->strokes.back();
  if (last && last->back().x == a->x && last->back().y == a->y) {
    last->push_back(*b);
  } else {
    lines->strokes.push_back({*a, *b});
  }
}

void VectorSurface::polyline(std::span<const Point> points, Rgb c) {
  // Segment by segment, from each point back to the one before it, as the
  // raster surfaces draw it; consecutive segments join into one stroke.
  for (std::size_t i = 1; i < points.size(); ++i) {
    line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, c);
  }
}

void VectorSurface::pset(double x, double y, Rgb c) {
  shadow_.pset(x, y, c);
  const auto p = whole(x, y);
  if (!p || p->x < 0 || p->y < 0 || p->x >= surface_width || p->y >= surface_height) return;
  pixels_[{static_cast<int>(p->y), static_cast<int>(p->x)}] = c;
}

void VectorSurface::pset_all(std::span<const Point> points, Rgb c) {
  for (const Point& p : points) pset(p.x, p.y, c);
}

void VectorSurface::discs(std::span<const Point> centres, double radius, Rgb c) {
  shadow_.discs(centres, radius, c);
  for (const Point& p : centres) {
    const auto at = whole(p.x, p.y);
    if (!at || off_surface(*at, radius, radius)) continue;
    add(VectorEllipse{at->x, at->y, radius, radius, c, c});
  }
}

}  // namespace hz
