#include "render/markers.hpp"

#include <array>
#include <cmath>
#include <cstdint>

#include "common/constants.hpp"
#include "render/boundary_fill.hpp"
#include "render/polygon.hpp"

namespace hz {

namespace {

struct Pt {
  double x;
  double y;
};

// A filled disc: the circle's outline and interior in one colour.
void disc(Surface& pic, double x, double y, double radius, Rgb c) {
  pic.set_fill_style(FillStyle::solid);
  pic.set_fill_color(c);
  pic.circle(x, y, radius, c);
}

// An open circle with a letter beside it, 2 to the left and dy above.
void lettered(Surface& pic, double x, double y, Rgb c, const char* letter, double dy) {
  pic.set_fill_style(FillStyle::transparent);
  pic.circle(x, y, 5, c);
  pic.set_fore_color(c);
  pic.set_current(x - 2, y - dy);
  pic.print(letter);
}

void sun(Surface& pic, double x, double y) {
  disc(pic, x, y, 6, col_sun);
  pic.line(x, y - 9, x, y + 9, col_sun);
  pic.line(x - 9, y, x + 9, y, col_sun);
  pic.line(x - 7, y - 7, x + 7, y + 7, col_sun);
  pic.line(x - 7, y + 7, x + 7, y - 7, col_sun);
}

void jupiter(Surface& pic, double x, double y) {
  disc(pic, x, y, 5, col_moon);
  pic.line(x - 5, y, x + 5, y, col_outer);
  pic.line(x - 4, y - 2, x + 4, y - 2, col_outer);
  pic.line(x - 4, y + 2, x + 4, y + 2, col_outer);
}

void saturn(Surface& pic, double x, double y) {
  disc(pic, x, y, 3, col_moon);
  pic.set_fill_style(FillStyle::transparent);
  pic.circle(x, y, 7, col_moon, std::nullopt, 0.4);  // the ring: 7 by 2.8
}

void moon(Surface& pic, double x, double y, double& d_mrk) {
  pic.set_fore_color(col_moon);

  // Phase angle folded into 0..pi; the mirror flag puts the limb on the right.
  double phi = d_mrk;
  if (phi < 0) phi = phi + 24;
  phi = phi * 15 * rd;
  bool mirror = false;
  if (phi >= pi) {
    phi = 2 * pi - phi;
    mirror = true;
  }
  d_mrk = phi;
  const double c = std::cos(phi);

  // Limb (i < 6, the left half-circle) then terminator (half an ellipse of
  // horizontal semi-axis 8|c|), from the top round to the top again.
  std::array<Pt, 13> p{};
  for (int i = 0; i <= 12; ++i) {
    const double a = 30 * i * rd;
    double ox = i < 6 ? -8 * std::sin(a) : 8 * c * std::sin(a);
    if (mirror) ox = -ox;
    const double oy = 8 * std::cos(a);
    p[i] = {x + ox, y - oy};
    if (i > 0) pic.line(p[i].x, p[i].y, p[i - 1].x, p[i - 1].y, col_moon);
  }

  // Seed: midpoint of the widest points of limb and terminator, on its whole
  // pixel. A column fraction of one half would make the fill skip columns
  // and step over the outline.
  const double sx = std::nearbyint((p[3].x + p[9].x) / 2);
  const double sy = std::nearbyint((p[3].y + p[9].y) / 2);
  if (!std::isfinite(sx) || !std::isfinite(sy) || std::fabs(sx) > 1e6 || std::fabs(sy) > 1e6) {
    return;
  }
  // The outline as the surface draws it: vertices on their whole pixels.
  std::array<PixelPoint, 13> outline{};
  for (int i = 0; i <= 12; ++i) {
    outline[i] = {static_cast<std::int64_t>(std::nearbyint(p[i].x)),
                  static_cast<std::int64_t>(std::nearbyint(p[i].y))};
  }
  // A seed on or outside the outline (no lit part, or a crescent thinner
  // than a pixel there) would flood the sky: paint nothing then. A seed
  // strictly inside cannot escape, since every 4-step across an edge meets
  // a pixel of that edge's line.
  const PixelPoint seed{static_cast<std::int64_t>(sx), static_cast<std::int64_t>(sy)};
  if (!strictly_inside(outline, seed)) return;
  ptf(pic, sx, sy, col_moon, col_moon);
}

}  // namespace

void mrk(Surface& pic, int k_mrk, double x_mrk, double y_mrk, double& d_mrk) {
  const double x = x_mrk;
  const double y = y_mrk;
  switch (k_mrk) {
    case 0:
      sun(pic, x, y);
      break;
    case 1:
      lettered(pic, x, y, col_sun, "m", 6);
      break;
    case 2:
      lettered(pic, x, y, col_sun, "V", 4);
      break;
    case 4:
      lettered(pic, x, y, col_mars, "M", 4);
      break;
    case 5:
      jupiter(pic, x, y);
      break;
    case 6:
      saturn(pic, x, y);
      break;
    case 7:
      lettered(pic, x, y, col_outer, "U", 5);
      break;
    case 8:
      lettered(pic, x, y, col_outer, "N", 4);
      break;
    case 9:
      lettered(pic, x, y, col_outer, "P", 4);
      break;
    default:
      moon(pic, x, y, d_mrk);
      break;
  }
}

}  // namespace hz
