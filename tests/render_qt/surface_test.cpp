// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFontInfo>
#include <cmath>
#include <limits>
#include <span>

#include "render_qt/fonts.hpp"
#include "render_qt/image_surface.hpp"
#include "test_surface.hpp"

namespace hz {
namespace {

using test::painted;
using test::Pixels;
using test::pixels_of;
using test::shifted;

constexpr Rgb sky = rgb(0, 0, 95);
constexpr Rgb ink = rgb(255, 255, 191);
constexpr Rgb dot = rgb(224, 127, 0);

TEST(ImageSurface, SizeAndBackgroundClear) {
  ImageSurface s;
  EXPECT_EQ(s.image().width(), 641);
  EXPECT_EQ(s.image().height(), 665);
  EXPECT_EQ(s.image().format(), QImage::Format_RGB32);
  s.pset(5, 5, ink);
  s.set_back_color(sky);
  EXPECT_EQ(s.point(5, 5), sky) << "setting the background clears";
  s.pset(5, 5, ink);
  s.set_current(30, 40);
  s.cls();
  EXPECT_EQ(s.point(5, 5), sky) << "cls clears to the background";
  EXPECT_EQ(s.current_x(), 0);
  EXPECT_EQ(s.current_y(), 0);
}

TEST(ImageSurface, ImageMadeOnFirstUseHasTheColourItWouldHaveHad) {
  // The image is made only when first needed: whatever touches it first,
  // it shows the colour of the surface until then.
  struct Case {
    const char* why;
    void (*before)(ImageSurface&);
    Rgb corner;
  };
  const Case cases[] = {
      {"untouched: white", [](ImageSurface&) {}, rgb(255, 255, 255)},
      {"background set first", [](ImageSurface& s) { s.set_back_color(sky); }, sky},
      {"background set twice",
       [](ImageSurface& s) {
         s.set_back_color(ink);
         s.set_back_color(sky);
       },
       sky},
      {"drawn on first", [](ImageSurface& s) { s.pset(5, 5, ink); }, rgb(255, 255, 255)},
  };
  for (const auto& k : cases) {
    ImageSurface s;
    k.before(s);
    EXPECT_EQ(s.point(640, 664), k.corner) << k.why;
    EXPECT_EQ(s.image().pixel(0, 0) & 0xFFFFFFu,
              qRgb(red_of(k.corner), green_of(k.corner), blue_of(k.corner)) & 0xFFFFFFu)
        << k.why;
  }
}

TEST(ImageSurface, ColoursReadBackExactly) {
  ImageSurface s;
  const Rgb odd = rgb(1, 2, 3);
  s.pset(640, 664, odd);
  EXPECT_EQ(s.point(640, 664), odd);
  EXPECT_EQ(s.point(639.5, 664.4), odd) << "rounded half to even";
}

TEST(ImageSurface, OutsidePixelsAreClippedAndUnreadable) {
  ImageSurface s;
  s.set_back_color(sky);
  s.pset(-1, 0, ink);
  s.pset(641, 0, ink);
  s.pset(0, 665, ink);
  EXPECT_TRUE(painted(s).empty());
  EXPECT_EQ(s.point(-1, 0), std::nullopt);
  EXPECT_EQ(s.point(0, 665), std::nullopt);
  EXPECT_EQ(s.point(640.5, 0), sky) << "640.5 rounds to 640, the last column";
  EXPECT_EQ(s.point(-0.5, 0), sky) << "-0.5 rounds to 0";
}

TEST(ImageSurface, StarDotsFollowTheFillStyle) {
  struct Case {
    double r;
    std::size_t solid, transparent;
  };
  // Radius 1 and 1.5 have one interior pixel (the centre), 2 has five.
  const Case cases[] = {{1, 5, 4}, {1.5, 9, 8}, {2, 13, 8}};
  for (const auto& k : cases) {
    for (FillStyle fs : {FillStyle::solid, FillStyle::transparent}) {
      ImageSurface s;
      s.set_back_color(sky);
      s.set_fill_style(fs);
      s.set_fill_color(dot);
      s.circle(100.4, 100.6, k.r, dot);
      const Pixels p = pixels_of(s, dot);
      EXPECT_EQ(p.size(), fs == FillStyle::solid ? k.solid : k.transparent)
          << "radius " << k.r << (fs == FillStyle::solid ? " solid" : " transparent");
      EXPECT_TRUE(p.count({100 + static_cast<int>(k.r), 101})) << "centre rounds to (100, 101)";
    }
  }
}

TEST(ImageSurface, AspectMakesAnEllipse) {
  ImageSurface s;
  s.set_back_color(sky);
  s.circle(50, 50, 7, ink, std::nullopt, 0.4);
  const Pixels p = shifted(pixels_of(s, ink), -50, -50);
  EXPECT_TRUE(p.count({7, 0}) && p.count({-7, 0}) && p.count({0, 2}) && p.count({0, -2}));
  EXPECT_FALSE(p.count({0, 3}) || p.count({0, 7}));
  ImageSurface t;
  t.set_back_color(sky);
  t.circle(50, 50, 6, ink, std::nullopt, 2);  // taller than wide
  const Pixels q = shifted(pixels_of(t, ink), -50, -50);
  EXPECT_TRUE(q.count({3, 0}) && q.count({0, 6}));
  EXPECT_FALSE(q.count({4, 0}));
}

TEST(ImageSurface, ArcOnlyInRangeAndNeverFilled) {
  ImageSurface s;
  s.set_back_color(sky);
  s.set_fill_style(FillStyle::solid);
  s.set_fill_color(dot);
  s.circle(320, 350, 270, ink, ArcAngles{0, pi}, 1.0);
  EXPECT_TRUE(pixels_of(s, dot).empty());
  EXPECT_EQ(s.point(590, 350), ink);
  EXPECT_EQ(s.point(50, 350), ink);
  EXPECT_EQ(s.point(320, 80), ink);
  EXPECT_EQ(s.point(320, 620), sky);
  for (auto [x, y] : pixels_of(s, ink)) {
    ASSERT_LE(y, 350) << x;
  }
}

TEST(ImageSurface, LineIncludesBothEnds) {
  ImageSurface s;
  s.set_back_color(sky);
  s.line(300, 27, 400, 27, ink);
  EXPECT_EQ(pixels_of(s, ink).size(), 101u);
  EXPECT_EQ(s.point(300, 27), ink);
  EXPECT_EQ(s.point(400, 27), ink);
}

TEST(ImageSurface, FontIsTheSubstitutedGothic) {
  const QFontInfo info(surface_font());
  EXPECT_EQ(info.family(), QStringLiteral("IPAGothic"));
  EXPECT_EQ(info.pixelSize(), 12);
}

TEST(ImageSurface, TextPixelsAreExactlyTheForeColour) {
  ImageSurface s;
  s.set_back_color(sky);
  const Rgb fore = rgb(0, 191, 191);
  s.set_fore_color(fore);
  s.set_current(100.4, 200.6);  // top-left rounds to (100, 201)
  s.print("視線を中心とする半径90ﾟの円");
  const Pixels all = painted(s);
  const Pixels ink_px = pixels_of(s, fore);
  EXPECT_EQ(all, ink_px) << "every painted pixel carries the fore colour";
  EXPECT_GT(ink_px.size(), 100u);
  for (auto [x, y] : all) {
    EXPECT_GE(x, 100);
    EXPECT_GE(y, 201);
    EXPECT_LT(y, 201 + 14) << "one line of text";
  }
  EXPECT_EQ(s.current_x(), 0) << "print moves to the next line";
  EXPECT_GT(s.current_y(), 200.6 + 11);
  EXPECT_LT(s.current_y(), 200.6 + 17);
}

TEST(ImageSurface, TextTopLeftFollowsTheCurrentPosition) {
  // The same text one pixel lower is the same pattern one pixel lower.
  const Pixels a = test::text_pixels("南", 316, 630, ink);
  const Pixels b = test::text_pixels("南", 316, 631, ink);
  ASSERT_FALSE(a.empty());
  EXPECT_EQ(shifted(a, 0, 1), b);
}

TEST(ImageSurface, PrintAllSetsThePixelsPrintWould) {
  // Names at whole and fractional places, one cut by the image's edge, and
  // the same name twice (the second from memory).
  const PlacedText texts[] = {{100, 100, "オリオン座"},
                              {200.5, 150.5, "みなみのかんむり座"},
                              {-20, 300, "カシオペヤ座"},
                              {300.4, 400.6, "オリオン座"},
                              {620, 655, "Serpens ﾟ"}};
  ImageSurface one_by_one, at_once;
  for (ImageSurface* s : {&one_by_one, &at_once}) {
    s->set_back_color(sky);
    s->set_fore_color(ink);
  }
  for (const PlacedText& t : texts) {
    one_by_one.set_current(t.x, t.y);
    one_by_one.print(t.utf8);
  }
  at_once.print_all(texts);
  at_once.print_all(texts);  // again, all from memory: nothing changes
  EXPECT_GT(pixels_of(one_by_one, ink).size(), 300u);
  EXPECT_TRUE(one_by_one.image() == at_once.image());
  EXPECT_EQ(at_once.current_x(), one_by_one.current_x());
  EXPECT_EQ(at_once.current_y(), one_by_one.current_y());
}

TEST(ImageSurface, OutlinesUnderTextsAreTheCopiesAtTheOffsets) {
  // Outlines of all eight and of four neighbours, then the texts over them,
  // against the texts printed at every offset one by one, at each ratio.
  const PlacedText texts[] = {{100, 100, "オリオン座"},
                              {200.5, 150.5, "シリウス"},
                              {-20, 300, "カシオペヤ座"},
                              {630, 655.5, "10h"},
                              {101.2, 108, "オリオン座"}};
  const Point eight[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};
  const Point four[] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};
  for (double ratio : {1.0, 1.25, 2.0}) {
    for (std::span<const Point> around :
         {std::span<const Point>(eight), std::span<const Point>(four)}) {
      ImageSurface copies, outlined;
      for (ImageSurface* s : {&copies, &outlined}) {
        s->set_pixel_ratio(ratio);
        s->set_back_color(sky);
        s->set_fore_color(dot);
      }
      copies.Surface::print_outlines(texts, around);
      outlined.print_outlines(texts, around);
      outlined.print_outlines(texts, around);  // again, from memory
      EXPECT_EQ(outlined.current_y(), copies.current_y());
      for (ImageSurface* s : {&copies, &outlined}) {
        s->set_fore_color(ink);
        s->print_all(texts);
      }
      EXPECT_GT(pixels_of(outlined, dot).size(), 300u);
      EXPECT_TRUE(copies.image() == outlined.image()) << ratio << " " << around.size();
    }
  }
}

TEST(ImageSurface, NonFiniteCoordinatesDrawNothing) {
  const double nan = std::nan("");
  const double inf = std::numeric_limits<double>::infinity();
  ImageSurface s;
  s.set_back_color(sky);
  s.set_fill_style(FillStyle::solid);
  s.set_fore_color(ink);
  s.pset(nan, 5, ink);
  s.pset(5, inf, ink);
  s.line(nan, 0, 10, 10, ink);
  s.line(0, 0, 10, -inf, ink);
  s.circle(nan, 10, 5, ink);
  s.circle(10, 10, inf, ink);
  s.circle(10, 10, nan, ink);
  s.circle(10, 10, 5, ink, std::nullopt, nan);
  s.circle(10, 10, 5, ink, ArcAngles{nan, 1}, 1);
  s.circle(1e300, 10, 5, ink);
  s.set_current(nan, 10);
  s.print("北");
  s.set_current(10, -inf);
  s.print("北");
  s.set_current(1e300, 10);
  s.print("北");
  EXPECT_TRUE(painted(s).empty());
  EXPECT_EQ(s.point(nan, 0), std::nullopt);
  EXPECT_EQ(s.point(0, inf), std::nullopt);
}

TEST(ImageSurface, VisibleFlag) {
  ImageSurface s;
  EXPECT_TRUE(s.visible()) << "surfaces start visible";
  s.set_visible(false);
  EXPECT_FALSE(s.visible());
}

}  // namespace
}  // namespace hz
