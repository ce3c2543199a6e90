// SPDX-License-Identifier: GPL-3.0-or-later
// Frames at a pixel ratio: the 1x frame, finer. Stars where the 1x frame has
// them, scaled; lines a brush wide with steps of one device pixel; the Moon
// filled as far as at 1x.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "frame/driver_rig.hpp"
#include "render/markers.hpp"
#include "render_qt/image_surface.hpp"

namespace hz {
namespace {

const double ratios[] = {1.25, 1.5, 2, 3};

// Tokyo on a January night with the grid, the figures and their names and
// the stars to magnitude 6: the stars among lines and texts.
QImage frame_at(double ratio, FrameReport* report = nullptr) {
  testing::DriverRig<ImageSurface> rig;
  rig.fields.start(139.74, 35.68, 2027, 1, 15, 21, 0);
  rig.fields.options_.grid = true;
  rig.fields.options_.constellation_lines = true;
  rig.fields.options_.constellation_names = true;
  rig.fields.options_.magnitude_limit = 6;
  rig.fields.options_.pixel_ratio = ratio;
  const FrameReport& r = rig.start_ok();
  if (report) *report = r;
  return rig.drawn().image().copy();
}

TEST(PixelRatio, EveryStarIsWhereThe1xFrameHasItScaled) {
  FrameReport report;
  const QImage one = frame_at(1, &report);
  int stars = 0;
  for (double ratio : ratios) {
    const QImage fine = frame_at(ratio);
    EXPECT_EQ(fine.width(), std::lrint(641 * ratio));
    EXPECT_EQ(fine.height(), std::lrint(665 * ratio));
    std::vector<std::pair<double, double>> drawn;
    for (int i = 1; i <= 300; ++i) {
      if (report.objects[i].drawn) drawn.emplace_back(*report.objects[i].xp, *report.objects[i].yp);
    }
    for (const ExtendedRow& e : report.extended) {
      if (e.drawn) drawn.emplace_back(*e.xp, *e.yp);
    }
    for (std::size_t i = 0; i < drawn.size(); ++i) {
      const auto [xp, yp] = drawn[i];
      // A star another one covers at 1x has that one's colour there.
      bool crowded = false;
      for (std::size_t j = 0; j < drawn.size(); ++j) {
        crowded = crowded || (j != i && std::fabs(drawn[j].first - xp) < 2 &&
                              std::fabs(drawn[j].second - yp) < 2);
      }
      if (crowded) continue;
      ++stars;
      const QRgb colour =
          one.pixel(static_cast<int>(std::rint(xp)), static_cast<int>(std::rint(yp)));
      // The star's centre among the device pixels, and a pixel of its colour
      // at most one device pixel away.
      const double cx = (xp + 0.5) * ratio - 0.5, cy = (yp + 0.5) * ratio - 0.5;
      bool found = false;
      for (int y = static_cast<int>(std::floor(cy - 1)); y <= std::ceil(cy + 1); ++y) {
        for (int x = static_cast<int>(std::floor(cx - 1)); x <= std::ceil(cx + 1); ++x) {
          found = found || (fine.valid(x, y) && fine.pixel(x, y) == colour);
        }
      }
      EXPECT_TRUE(found) << "star " << i << " at ratio " << ratio;
    }
  }
  EXPECT_GT(stars, 4 * 1000);
}

// A shallow line: at every ratio each column holds a brush-wide run of it,
// within one device pixel of the exact line, and above 2 the steps fall on
// single device pixels, not on the 2 x 2 blocks of an enlarged 1x line.
TEST(PixelRatio, LinesAreABrushWideWithFineSteps) {
  for (double ratio : ratios) {
    ImageSurface pic;
    pic.set_pixel_ratio(ratio);
    pic.set_back_color(col_night);
    const double x1 = 10, y1 = 20, x2 = 300, y2 = 131;
    pic.line(x1, y1, x2, y2, col_grid);
    const QImage& img = pic.image();
    const int brush = static_cast<int>(std::rint(ratio));
    const double cx1 = (x1 + 0.5) * ratio - 0.5, cy1 = (y1 + 0.5) * ratio - 0.5;
    const double slope = (y2 - y1) / (x2 - x1);
    int odd_steps = 0, previous_top = -1;
    for (int x = static_cast<int>(std::ceil(cx1)) + brush;
         x < static_cast<int>((x2 + 0.5) * ratio - 0.5) - brush; ++x) {
      int top = -1, count = 0;
      for (int y = 0; y < img.height(); ++y) {
        if (img.pixel(x, y) != qRgb(red_of(col_grid), green_of(col_grid), blue_of(col_grid))) {
          continue;
        }
        if (top < 0) top = y;
        ++count;
      }
      const double exact = cy1 + (x - cx1) * slope;
      ASSERT_GE(count, brush) << "column " << x << " at ratio " << ratio;
      EXPECT_LE(count, brush + 1) << "column " << x << " at ratio " << ratio;
      EXPECT_LE(std::fabs(top + (count - 1) / 2.0 - exact), 1.0)
          << "column " << x << " at ratio " << ratio;
      if (previous_top >= 0 && top != previous_top && x % 2 == 1) ++odd_steps;
      previous_top = top;
    }
    if (ratio >= 2) {
      EXPECT_GT(odd_steps, 10) << "ratio " << ratio;
    }
  }
}

// A half Moon of radius 24, filled: at ratio R its lit pixels are R^2 times
// those at 1, give or take its outline.
TEST(PixelRatio, TheMoonIsFilledAsFarAsAt1) {
  const auto lit = [](double ratio) {
    ImageSurface pic;
    pic.set_pixel_ratio(ratio);
    pic.set_back_color(col_night);
    double phase = 6;  // hours between the Sun and the Moon: a quarter
    moon_disc(pic, 300, 300, 24, phase);
    const QImage& img = pic.image();
    const QRgb moon = qRgb(red_of(col_moon), green_of(col_moon), blue_of(col_moon));
    long n = 0;
    for (int y = 0; y < img.height(); ++y) {
      for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) == moon;
    }
    return static_cast<double>(n);
  };
  const double at_one = lit(1);
  ASSERT_GT(at_one, 800);
  for (double ratio : ratios) {
    EXPECT_NEAR(lit(ratio) / (at_one * ratio * ratio), 1.0, 0.08) << "ratio " << ratio;
  }
}

}  // namespace
}  // namespace hz
