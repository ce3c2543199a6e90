// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/markers.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

#include "common/constants.hpp"
#include "render/boundary_fill.hpp"
#include "render/device_scale.hpp"
#include "render/moon_phase_angle.hpp"
#include "render/polygon.hpp"

namespace hz {

namespace {

// A filled disc: the circle's outline and interior in one colour.
void disc(Surface& pic, double x, double y, double radius, Rgb c) {
  pic.set_fill_style(FillStyle::solid);
  pic.set_fill_color(c);
  pic.circle(x, y, radius, c);
}

// The planets drawn as an open circle with a letter beside it.
struct LetteredPlanet {
  int k_mrk;
  Rgb color;
  const char* letter;
  double dy;  // how far above the body the letter's top stands
};
constexpr std::array<LetteredPlanet, 6> lettered_planets = {{
    {1, col_sun, "m", 6},    // Mercury
    {2, col_sun, "V", 4},    // Venus
    {4, col_mars, "M", 4},   // Mars
    {7, col_outer, "U", 5},  // Uranus
    {8, col_outer, "N", 4},  // Neptune
    {9, col_outer, "P", 4},  // Pluto
}};

// An open circle with the planet's letter 2 to the left and dy above.
void lettered_mark(Surface& pic, double x, double y, const LetteredPlanet& p) {
  pic.set_fill_style(FillStyle::transparent);
  pic.circle(x, y, 5, p.color);
  pic.set_fore_color(p.color);
  pic.set_current(x - 2, y - p.dy);
  pic.print(p.letter);
}

void sun_mark(Surface& pic, double x, double y) {
  disc(pic, x, y, 6, col_sun);
  pic.line(x, y - 9, x, y + 9, col_sun);
  pic.line(x - 9, y, x + 9, y, col_sun);
  pic.line(x - 7, y - 7, x + 7, y + 7, col_sun);
  pic.line(x - 7, y + 7, x + 7, y - 7, col_sun);
}

void jupiter_mark(Surface& pic, double x, double y) {
  disc(pic, x, y, 5, col_moon);
  pic.line(x - 5, y, x + 5, y, col_outer);
  pic.line(x - 4, y - 2, x + 4, y - 2, col_outer);
  pic.line(x - 4, y + 2, x + 4, y + 2, col_outer);
}

void saturn_mark(Surface& pic, double x, double y) {
  disc(pic, x, y, 3, col_moon);
  pic.set_fill_style(FillStyle::transparent);
  pic.circle(x, y, 7, col_moon, std::nullopt, 0.4);  // the ring: 7 by 2.8
}

// The lit part's fill on a surface above pixel ratio 1, in its device
// pixels: from the first pixel of the seed's block that lies strictly inside
// the outline as drawn there (its vertices' brush corners) and is not
// already of the Moon's colour. Nothing when the surface has no pixels.
void fill_device_pixels(Surface& pic, std::span<const Point> p, const Point& seed) {
  const DeviceScale s{pic.pixel_ratio()};
  const auto grid = pic.device_pixels();
  if (!grid) return;
  std::vector<PixelPoint> outline(p.size());
  for (std::size_t i = 0; i < p.size(); ++i) {
    const auto x = s.anchor_pixel(p[i].x), y = s.anchor_pixel(p[i].y);
    if (!x || !y) return;
    outline[i] = {*x, *y};
  }
  const auto sx = s.anchor_pixel(seed.x), sy = s.anchor_pixel(seed.y);
  if (!sx || !sy) return;
  const int queue = static_cast<int>(std::rint(1000 * s.ratio * s.ratio));
  for (int dy = 0; dy < s.brush(); ++dy) {
    for (int dx = 0; dx < s.brush(); ++dx) {
      const PixelPoint at{*sx + dx, *sy + dy};
      if (at.x < 0 || at.y < 0 || at.x >= grid->width() || at.y >= grid->height()) continue;
      if (!strictly_inside(outline, at)) continue;
      if (grid->get(static_cast<int>(at.x), static_cast<int>(at.y)) == col_moon) continue;
      ptf_device(*grid, at.x, at.y, col_moon, col_moon, queue);
      return;
    }
  }
}

// The Moon's lit part as a polygon of `sides` (a multiple of 4) on a circle
// of the given radius.
void moon_phase_polygon(Surface& pic, double x, double y, double& d_mrk, double radius, int sides) {
  pic.set_fore_color(col_moon);

  // Phase angle folded into 0..pi; the mirror flag puts the limb on the right.
  const MoonPhaseAngle phase = moon_phase_angle(d_mrk);
  const bool mirror = phase.mirror;
  d_mrk = phase.phi;
  const double c = std::cos(phase.phi);

  // Limb (i < sides / 2, the left half-circle) then terminator (half an
  // ellipse of horizontal semi-axis radius |c|), from the top round to the
  // top again.
  const int half = sides / 2;
  const double step = 360.0 / sides;
  std::vector<Point> p(static_cast<std::size_t>(sides) + 1);
  for (int i = 0; i <= sides; ++i) {
    const double a = step * i * rd;
    double ox = i < half ? -radius * std::sin(a) : radius * c * std::sin(a);
    if (mirror) ox = -ox;
    const double oy = radius * std::cos(a);
    p[i] = {x + ox, y - oy};
    if (i > 0) pic.line(p[i].x, p[i].y, p[i - 1].x, p[i - 1].y, col_moon);
  }

  // Seed: midpoint of the widest points of limb and terminator, on its whole
  // pixel. A column fraction of one half would make the fill skip columns
  // and step over the outline.
  const Point& widest_limb = p[static_cast<std::size_t>(sides / 4)];
  const Point& widest_terminator = p[static_cast<std::size_t>(3 * sides / 4)];
  const double sx = std::nearbyint((widest_limb.x + widest_terminator.x) / 2);
  const double sy = std::nearbyint((widest_limb.y + widest_terminator.y) / 2);
  if (!std::isfinite(sx) || !std::isfinite(sy) || std::fabs(sx) > 1e6 || std::fabs(sy) > 1e6) {
    return;
  }
  // The outline as the surface draws it: vertices on their whole pixels.
  std::vector<PixelPoint> outline(p.size());
  for (std::size_t i = 0; i < p.size(); ++i) {
    outline[i] = {static_cast<std::int64_t>(std::nearbyint(p[i].x)),
                  static_cast<std::int64_t>(std::nearbyint(p[i].y))};
  }
  // A seed on or outside the outline (no lit part, or a crescent thinner
  // than a pixel there) would flood the sky: paint nothing then. A seed
  // strictly inside cannot escape, since every 4-step across an edge meets
  // a pixel of that edge's line.
  const PixelPoint seed{static_cast<std::int64_t>(sx), static_cast<std::int64_t>(sy)};
  if (!strictly_inside(outline, seed)) return;
  if (pic.pixel_ratio() != 1) {
    fill_device_pixels(pic, p, {sx, sy});
    return;
  }
  ptf(pic, sx, sy, col_moon, col_moon);
}

void moon_mark(Surface& pic, double x, double y, double& d_mrk) {
  moon_phase_polygon(pic, x, y, d_mrk, 8, 12);
}

}  // namespace

void moon_disc(Surface& pic, double x, double y, double radius, double& d_mrk) {
  // A vertex every three pixels or so of the limb.
  const int sides = 4 * std::max(3, static_cast<int>(std::ceil(2 * pi * radius / 12)));
  moon_phase_polygon(pic, x, y, d_mrk, radius, sides);
}

void mrk(Surface& pic, int k_mrk, double x_mrk, double y_mrk, double& d_mrk) {
  const double x = x_mrk;
  const double y = y_mrk;
  for (const LetteredPlanet& p : lettered_planets) {
    if (p.k_mrk == k_mrk) {
      lettered_mark(pic, x, y, p);
      return;
    }
  }
  switch (k_mrk) {
    case 0:
      sun_mark(pic, x, y);
      break;
    case 5:
      jupiter_mark(pic, x, y);
      break;
    case 6:
      saturn_mark(pic, x, y);
      break;
    default:
      moon_mark(pic, x, y, d_mrk);
      break;
  }
}

}  // namespace hz
