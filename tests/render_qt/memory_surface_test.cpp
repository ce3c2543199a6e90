// SPDX-License-Identifier: GPL-3.0-or-later
// The memory surface of the web page against the Qt surface: the same line
// height, and the same frames pixel for pixel save where the texts go.
#include "render/memory_surface.hpp"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <vector>

#include "frame/driver_rig.hpp"
#include "render/raster.hpp"
#include "render_qt/fonts.hpp"
#include "render_qt/test_surface.hpp"

namespace hz {
namespace {

TEST(MemorySurface, LineHeightAndAscentAreThoseOfTheSurfaceFont) {
  EXPECT_EQ(surface_line_height, QFontMetrics(surface_font()).height());
  EXPECT_EQ(surface_text_ascent, QFontMetrics(surface_font()).ascent());
}

// Where Qt draws a text printed with its top-left corner at (x, y), with a
// pixel to spare on every side.
QRect text_box(const QFontMetrics& fm, const SurfaceText& t) {
  const QString s = QString::fromUtf8(t.utf8.data(), static_cast<qsizetype>(t.utf8.size()));
  const QRect ink = fm.boundingRect(s).translated(t.x, t.y + fm.ascent());
  const QRect advance(t.x, t.y, fm.horizontalAdvance(s), fm.height());
  return ink.united(advance).adjusted(-1, -1, 1, 1);
}

// Three frames of the grid, stars and bodies over Tokyo, drawn on both kinds
// of surface: the third replays the dome the second recorded. A text the
// memory surface failed to list, there or in a replay, shows as pixels
// outside every listed text's box.
TEST(MemorySurface, DrawsTheFramesOfTheQtSurfaceSaveTheTexts) {
  testing::DriverRig<test::RecordingSurface> qt;
  testing::DriverRig<MemorySurface> memory;
  for (auto* fields : {&qt.fields, &memory.fields}) {
    fields->start(139.74, 35.68, 2027, 1, 15, 21, 0);
    fields->options_.grid = true;
  }
  const QFontMetrics fm(surface_font());
  for (int frame = 1; frame <= 3; ++frame) {
    qt.start_ok();
    memory.start_ok();
    const test::RecordingSurface& drawn = qt.drawn();
    const MemorySurface& m = memory.drawn();

    // Each surface's first frame: the prints it has seen are that frame's.
    if (frame <= 2) {
      std::vector<SurfaceText> printed;
      for (const test::Printed& p : drawn.printed) {
        printed.push_back(
            {static_cast<int>(*pixel_of(p.x)), static_cast<int>(*pixel_of(p.y)), p.text, p.color});
      }
      EXPECT_EQ(m.texts(), printed) << "frame " << frame;
    }
    ASSERT_FALSE(m.texts().empty());

    std::vector<QRect> boxes;
    for (const SurfaceText& t : m.texts()) boxes.push_back(text_box(fm, t));
    int compared = 0, differing = 0;
    for (int y = 0; y < surface_height; ++y) {
      for (int x = 0; x < surface_width; ++x) {
        bool in_text = false;
        for (const QRect& b : boxes) in_text = in_text || b.contains(x, y);
        if (in_text) continue;
        ++compared;
        differing += m.point(x, y) != drawn.point(x, y);
      }
    }
    EXPECT_EQ(differing, 0) << "frame " << frame;
    EXPECT_GT(compared, surface_width * surface_height * 9 / 10);
    // The buffer is RGBA with alpha 255, as the page puts it on a canvas.
    const auto rgba = m.rgba();
    ASSERT_EQ(rgba.size(), std::size_t{4} * surface_width * surface_height);
    const std::size_t centre = 4 * (std::size_t{332} * surface_width + 320);
    EXPECT_EQ(rgb(rgba[centre], rgba[centre + 1], rgba[centre + 2]), *m.point(320, 332));
    EXPECT_EQ(rgba[centre + 3], 255);
  }
}

}  // namespace
}  // namespace hz
