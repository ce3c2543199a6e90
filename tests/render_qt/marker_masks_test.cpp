// SPDX-License-Identifier: GPL-3.0-or-later
// The marks of the Sun, the planets and the Moon, pixel by pixel, against
// masks drawn by hand from the shapes the marks are made of and the raster
// rules of render/raster.hpp:
//  - a circle of radius r is the digital disc dx^2 + dy^2 <= r^2 around the
//    centre; its outline is the disc pixels with a side neighbour outside;
//  - an ellipse likewise with (dx/rx)^2 + (dy/ry)^2 <= 1;
//  - a line is Bresenham's between the rounded ends, the minor coordinate
//    rounded with halves away from the end of smaller major coordinate.
// Letters come from the surface font, so their pixels are not in the masks:
// the expected picture is the mask plus the letter printed alone where the
// mark puts it.
//
// Mask legend: '#' the mark's colour, 'b' its second colour (Jupiter's
// bands), '.' the sky. In the printout '?' is any other colour.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/constants.hpp"
#include "render/markers.hpp"
#include "render_qt/image_surface.hpp"
#include "test_surface.hpp"

namespace hz {
namespace {

constexpr int X = 200, Y = 300;  // the mark's point
constexpr int half = 12;         // the window compared: X +- 12, Y +- 12

using Mask = std::vector<std::string>;

// Sun: disc of radius 6 and four rays, 9 long on the axes, 7 on diagonals.
const Mask sun = {
    ".........#.........",  //
    ".........#.........",  //
    "..#......#......#..",  //
    "...#.....#.....#...",  //
    "....#.#######.#....",  //
    ".....#########.....",  //
    "....###########....",  //
    "....###########....",  //
    "....###########....",  //
    "###################",  //
    "....###########....",  //
    "....###########....",  //
    "....###########....",  //
    ".....#########.....",  //
    "....#.#######.#....",  //
    "...#.....#.....#...",  //
    "..#......#......#..",  //
    ".........#.........",  //
    ".........#.........",  //
};

// Outline of a circle of radius 5: the lettered planets.
const Mask circle5 = {
    ".....#.....",  //
    "..###.###..",  //
    ".#.......#.",  //
    ".#.......#.",  //
    ".#.......#.",  //
    "#.........#",  //
    ".#.......#.",  //
    ".#.......#.",  //
    ".#.......#.",  //
    "..###.###..",  //
    ".....#.....",  //
};

// Jupiter: disc of radius 5 crossed by bands at dy 0 (dx +-5) and dy +-2
// (dx +-4).
const Mask jupiter = {
    ".....#.....",  //
    "..#######..",  //
    ".#########.",  //
    ".bbbbbbbbb.",  //
    ".#########.",  //
    "bbbbbbbbbbb",  //
    ".#########.",  //
    ".bbbbbbbbb.",  //
    ".#########.",  //
    "..#######..",  //
    ".....#.....",  //
};

// Saturn: disc of radius 3 and the outline of the ring, semi-axes 7 and 2.8:
// rows dy = +-1 reach dx = 6, rows dy = +-2 only dx = 4 (25/49 + 4/7.84 > 1),
// and no ring row at dy = +-3.
const Mask saturn = {
    ".......#.......",  //
    "...#########...",  //
    ".##..#####..##.",  //
    "#...#######...#",  //
    ".##..#####..##.",  //
    "...#########...",  //
    ".......#.......",  //
};

// The Moon: twelve-gon on a circle of radius 8 with vertices, rounded, at
// (0,-8) (-4,-7) (-7,-4) (-8,0) (-7,4) (-4,7) (0,8) on the left limb. The
// sides from (-8,0) run down to (-8,1) and up to (-8,-2), and the short
// sides at the top and bottom span x -2..0 on the left, 0..1 on the right:
// the halves of a line round away from its left or upper end.
const Mask new_moon = {
    "......###........",  //
    "....##...........",  //
    "...#.............",  //
    "..#..............",  //
    ".#...............",  //
    ".#...............",  //
    "#................",  //
    "#................",  //
    "#................",  //
    "#................",  //
    ".#...............",  //
    ".#...............",  //
    ".#...............",  //
    "..#..............",  //
    "...#.............",  //
    "....##...........",  //
    "......###........",  //
};

// Waning, half lit: the left limb closed by the vertical diameter, filled.
const Mask last_quarter = {
    "......###........",  //
    "....#####........",  //
    "...######........",  //
    "..#######........",  //
    ".########........",  //
    ".########........",  //
    "#########........",  //
    "#########........",  //
    "#########........",  //
    "#########........",  //
    ".########........",  //
    ".########........",  //
    ".########........",  //
    "..#######........",  //
    "...######........",  //
    "....#####........",  //
    "......###........",  //
};

// Waxing, half lit: the limb mirrored to the right, closed by the diameter.
const Mask first_quarter = {
    "........##.......",  //
    "........#####....",  //
    "........######...",  //
    "........#######..",  //
    "........########.",  //
    "........########.",  //
    "........#########",  //
    "........#########",  //
    "........#########",  //
    "........#########",  //
    "........########.",  //
    "........########.",  //
    "........########.",  //
    "........#######..",  //
    "........######...",  //
    "........#####....",  //
    "........##.......",  //
};

// Waning gibbous, 8 h west of the Sun: the terminator is half an ellipse of
// semi-axis 8 |cos 120 deg| = 4 on the right, vertices (0,8) (2,7) (3,4)
// (4,0) (3,-4) (2,-7) (0,-8) (3.46 rounds to 3); filled from (-2, 0).
const Mask waning_gibbous = {
    "......###........",  //
    "....#######......",  //
    "...########......",  //
    "..##########.....",  //
    ".###########.....",  //
    ".###########.....",  //
    "#############....",  //
    "#############....",  //
    "#############....",  //
    "#############....",  //
    ".###########.....",  //
    ".###########.....",  //
    ".###########.....",  //
    "..##########.....",  //
    "...########......",  //
    "....#######......",  //
    "......###........",  //
};

// Full: both halves, the right one as for the first quarter.
const Mask full_moon = {
    "......####.......",  //
    "....#########....",  //
    "...###########...",  //
    "..#############..",  //
    ".###############.",  //
    ".###############.",  //
    "#################",  //
    "#################",  //
    "#################",  //
    "#################",  //
    ".###############.",  //
    ".###############.",  //
    ".###############.",  //
    "..#############..",  //
    "...###########...",  //
    "....#########....",  //
    "......####.......",  //
};

struct Case {
  const char* why;
  int k;
  double d_mrk;
  const Mask* mask;
  Rgb color;
  Rgb second;          // colour of 'b'
  const char* letter;  // printed by the mark, or nullptr
  int letter_up;       // how far above the point the letter's top is
};

// The window as a mask: the given picture around (X, Y) in the legend.
Mask window(const ImageSurface& s, Rgb color, Rgb second) {
  Mask m;
  for (int dy = -half; dy <= half; ++dy) {
    std::string row;
    for (int dx = -half; dx <= half; ++dx) {
      const Rgb c = *s.point(X + dx, Y + dy);
      row += c == col_night ? '.' : c == color ? '#' : c == second ? 'b' : '?';
    }
    m.push_back(row);
  }
  return m;
}

// The hand mask centred in the window, plus the letter's pixels.
Mask expected(const Case& c) {
  Mask m(2 * half + 1, std::string(2 * half + 1, '.'));
  const int h = static_cast<int>(c.mask->size()), w = static_cast<int>((*c.mask)[0].size());
  for (int r = 0; r < h; ++r)
    for (int q = 0; q < w; ++q) m[half - h / 2 + r][half - w / 2 + q] = (*c.mask)[r][q];
  if (c.letter != nullptr) {
    for (auto [x, y] : test::text_pixels(c.letter, X - 2, Y - c.letter_up, c.color)) {
      const int r = y - Y + half, q = x - X + half;
      if (r >= 0 && r <= 2 * half && q >= 0 && q <= 2 * half) m[r][q] = '#';
    }
  }
  return m;
}

std::string show(const Mask& m) {
  std::string s;
  for (const auto& row : m) s += "  " + row + "\n";
  return s;
}

TEST(MarkerMasks, EveryMarkMatchesItsHandDrawnMask) {
  const Case cases[] = {
      {"Sun: filled disc and four rays", 0, 0, &sun, col_sun, 0, nullptr, 0},
      {"Mercury: open circle, 'm' six above", 1, 0, &circle5, col_sun, 0, "m", 6},
      {"Venus: open circle, 'V'", 2, 0, &circle5, col_sun, 0, "V", 4},
      {"Mars: its own colour, 'M'", 4, 0, &circle5, col_mars, 0, "M", 4},
      {"Jupiter: disc with three bands", 5, 0, &jupiter, col_moon, col_outer, nullptr, 0},
      {"Saturn: small disc, flat open ring", 6, 0, &saturn, col_moon, 0, nullptr, 0},
      {"Uranus: 'U' five above", 7, 0, &circle5, col_outer, 0, "U", 5},
      {"Neptune: 'N'", 8, 0, &circle5, col_outer, 0, "N", 4},
      {"Pluto: 'P'", 9, 0, &circle5, col_outer, 0, "P", 4},
      {"new Moon: limb outline only, nothing filled", 10, 0, &new_moon, col_moon, 0, nullptr, 0},
      {"first quarter: Moon 6 h east of the Sun, right half", 10, -6, &first_quarter, col_moon, 0,
       nullptr, 0},
      {"full Moon: whole disc", 10, 12, &full_moon, col_moon, 0, nullptr, 0},
      {"last quarter: Moon 6 h west of the Sun, left half", 10, 6, &last_quarter, col_moon, 0,
       nullptr, 0},
      {"waning gibbous: the terminator bulges to the right", 10, 8, &waning_gibbous, col_moon, 0,
       nullptr, 0},
  };
  for (const Case& c : cases) {
    test::RecordingSurface s;
    s.set_back_color(col_night);
    double d = c.d_mrk;
    mrk(s, c.k, X, Y, d);
    const Mask want = expected(c), got = window(s, c.color, c.second);
    EXPECT_EQ(want, got) << c.why << "\nexpected:\n" << show(want) << "actual:\n" << show(got);
    const auto all = test::painted(s).size();
    std::size_t inside = 0;
    for (auto [x, y] : test::painted(s))
      if (std::abs(x - X) <= half && std::abs(y - Y) <= half) ++inside;
    EXPECT_EQ(all, inside) << c.why << ": pixels painted outside the window";
  }
}

}  // namespace
}  // namespace hz
