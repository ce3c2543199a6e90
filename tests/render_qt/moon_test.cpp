// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/constants.hpp"
#include "render/markers.hpp"
#include "render_qt/image_surface.hpp"
#include "test_surface.hpp"

namespace hz {
namespace {

using test::Pixels;

// Pixels painted by one Moon mark around (cx, cy), as offsets. The window
// reaches well beyond the 1000 pixels a runaway fill could paint.
Pixels moon_at(ImageSurface& s, double x, double y, double d, int cx, int cy) {
  s.set_back_color(col_night);
  mrk(s, 10, x, y, d);
  Pixels p;
  const QImage& img = s.image();
  const QRgb night = qRgb(0, 0, 95);
  for (int py = std::max(0, cy - 40); py <= std::min(img.height() - 1, cy + 40); ++py) {
    const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(py));
    for (int px = std::max(0, cx - 40); px <= std::min(img.width() - 1, cx + 40); ++px) {
      if (row[px] != night) p.insert({px - cx, py - cy});
    }
  }
  return p;
}

int rounded(double v) { return static_cast<int>(std::nearbyint(v)); }

TEST(MoonMark, NeverPaintsOutsideItsDiscAtAnyPositionOrPhase) {
  // The outline's vertices lie 8 from the true centre. A vertex and the
  // centre each round by up to half a pixel, so a vertex pixel may sit one
  // pixel further out per axis than its true offset: (-4, -6.93) can land on
  // (-5, -7), sqrt(74) from the rounded centre, and nothing lies further.
  ImageSurface s;
  const double fr[] = {0, 0.25, 0.5, 0.75};
  int max_r2 = 0;
  for (double fx : fr) {
    for (double fy : fr) {
      // Near the origin the offsets of the outline keep more of their last
      // bits, so limb and terminator points may round to different rows.
      for (double base : {201.0, 202.0, 9.0, 10.0}) {
        const double x = base + fx, y = base + (base > 100 ? 100 : 0) + fy;
        const int cx = rounded(x), cy = rounded(y);
        for (int q = -24 * 16; q <= 24 * 16; ++q) {
          const double d = q / 16.0;
          const Pixels p = moon_at(s, x, y, d, cx, cy);
          ASSERT_LE(p.size(), 220u) << "flood at " << x << "," << y << " d " << d;
          for (auto [dx, dy] : p) {
            max_r2 = std::max(max_r2, dx * dx + dy * dy);
            ASSERT_LE(dx * dx + dy * dy, 74)
                << "pixel " << dx << "," << dy << " at " << x << "," << y << " d " << d;
            ASSERT_EQ(s.point(cx + dx, cy + dy), col_moon);
          }
        }
      }
    }
  }
  EXPECT_GE(max_r2, 64) << "the outline reaches radius 8";
}

TEST(MoonMark, HalfPhasesFillTheirHalfDisc) {
  // d = 6: waning half, lit on the left; d = -6: waxing half, on the right.
  for (double d : {6.0, -6.0}) {
    const int side = d > 0 ? -1 : 1;
    ImageSurface s;
    const Pixels p = moon_at(s, 200, 300, d, 200, 300);
    for (int dy = -8; dy <= 8; ++dy) {
      for (int dx = -8; dx <= 8; ++dx) {
        const bool lit_side = dx * side >= 0;
        if (lit_side && dx * dx + dy * dy <= 49) {
          EXPECT_TRUE(p.count({dx, dy})) << "d " << d << " unfilled " << dx << "," << dy;
        }
        if (!lit_side) {
          EXPECT_FALSE(p.count({dx, dy})) << "d " << d << " dark side painted " << dx << "," << dy;
        }
      }
    }
  }
}

TEST(MoonMark, HalfPhaseSeedIsFourLeftOfTheCentre) {
  // Only the side of the seed matters for the fill, so check it directly: a
  // dot of the Moon colour at (x - 4, y) stops the fill before it starts.
  ImageSurface s;
  s.set_back_color(col_night);
  s.pset(196, 300, col_moon);
  double d = 6;
  mrk(s, 10, 200, 300, d);
  EXPECT_EQ(s.point(195, 300), col_night) << "no fill from a seed already of the boundary colour";
}

TEST(MoonMark, FullPhaseFillsTheDisc) {
  for (double d : {12.0, -12.0}) {
    const double fr[] = {0, 0.25, 0.5, 0.75};
    for (double f : fr) {
      const double x = 200 + f, y = 300 + f;
      const int cx = rounded(x), cy = rounded(y);
      ImageSurface s;
      const Pixels p = moon_at(s, x, y, d, cx, cy);
      for (int dy = -8; dy <= 8; ++dy) {
        for (int dx = -8; dx <= 8; ++dx) {
          const double ex = cx + dx - x, ey = cy + dy - y;  // from the true centre
          if (ex * ex + ey * ey <= 6.5 * 6.5) {
            EXPECT_TRUE(p.count({dx, dy})) << "d " << d << " at " << x << ": " << dx << "," << dy;
          }
        }
      }
    }
  }
}

TEST(MoonMark, NewMoonIsOnlyTheLeftHalfCircle) {
  ImageSurface s;
  const Pixels p = moon_at(s, 200, 300, 0, 200, 300);
  EXPECT_FALSE(p.empty());
  EXPECT_LE(p.size(), 30u) << "an outline, no fill";
  EXPECT_FALSE(p.count({-4, 0})) << "interior left empty";
  for (auto [dx, dy] : p) {
    EXPECT_LE(dx, 0) << dx << "," << dy;
    EXPECT_GE(dx * dx + dy * dy, 49) << "on the limb: " << dx << "," << dy;
  }
}

TEST(MoonMark, ThinCrescentAtAHalfPixelStaysInside) {
  // A seed on a half-pixel column lands on the outline or beyond it; the mark
  // must then stay an outline.
  for (double d : {0.1, 0.3, -0.1, 23.9, -23.9}) {
    ImageSurface s;
    const Pixels p = moon_at(s, 200.5, 300.5, d, 200, 300);
    EXPECT_LE(p.size(), 40u) << "d " << d;
  }
}

}  // namespace
}  // namespace hz
