// SPDX-License-Identifier: GPL-3.0-or-later
// Constants shared by every subsystem: the angle factors, the colours, the
// geometry of the sky field and its text, and the time zone. Plain C++, no Qt.
#pragma once

#include <cstdint>

namespace hz {

// The program's pi: the fifteen-digit decimal value, slightly below the double
// nearest to pi. Every multiple of pi in the program is formed from it.
constexpr double pi = 3.14159265358979;
// Degrees to radians.
constexpr double rd = pi / 180;

// A 24-bit colour as r + 256 g + 65536 b.
using Rgb = std::uint32_t;
constexpr Rgb rgb(int r, int g, int b) {
  return static_cast<Rgb>(r) + 256u * static_cast<Rgb>(g) + 65536u * static_cast<Rgb>(b);
}
constexpr int red_of(Rgb c) { return static_cast<int>(c & 0xFFu); }
constexpr int green_of(Rgb c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int blue_of(Rgb c) { return static_cast<int>((c >> 16) & 0xFFu); }

// Sky, grid, horizon and text colours of the frame.
constexpr Rgb col_night = rgb(0, 0, 95);
constexpr Rgb col_day = rgb(233, 191, 95);
constexpr Rgb col_grid = rgb(127, 127, 127);
constexpr Rgb col_hor = rgb(0, 191, 191);
constexpr Rgb col_text = rgb(255, 255, 255);

// Marker colours of the Sun, the planets and the Moon.
constexpr Rgb col_sun = rgb(255, 255, 191);
constexpr Rgb col_moon = rgb(222, 223, 0);
constexpr Rgb col_mars = rgb(255, 159, 0);
constexpr Rgb col_outer = rgb(63, 159, 127);

// Star colours by spectral code 1..7 (O B A F G K M); entry 0 is unused.
constexpr Rgb col_tbl[8] = {
    0,
    rgb(191, 191, 255),  // O
    rgb(223, 223, 223),  // B
    rgb(223, 223, 223),  // A
    rgb(223, 223, 159),  // F
    rgb(239, 239, 0),    // G
    rgb(224, 159, 0),    // K
    rgb(224, 127, 0),    // M
};

// The constellations, drawn beneath the stars: muted, readable on the night
// and the day sky, and unlike every other colour of the frame. Never the
// Moon's colour above all: the Moon's fill reads colours back and stops at
// col_moon.
constexpr Rgb col_figure = rgb(72, 120, 176);    // figure lines
constexpr Rgb col_name = rgb(192, 120, 160);     // names
constexpr Rgb col_boundary = rgb(112, 88, 136);  // boundaries, dotted

// The ring around what 天体を探す found: unlike every colour of the frame,
// the Moon's above all.
constexpr Rgb col_mark = rgb(255, 72, 72);

namespace detail {
constexpr Rgb frame_colours[] = {
    col_night, col_day,    col_grid,   col_hor,    col_text,   col_sun,    col_moon,   col_mars,
    col_outer, col_tbl[1], col_tbl[2], col_tbl[3], col_tbl[4], col_tbl[5], col_tbl[6], col_tbl[7]};
constexpr bool unlike_the_frame(Rgb c) {
  for (Rgb f : frame_colours) {
    if (f == c) return false;
  }
  return true;
}
}  // namespace detail
static_assert(detail::unlike_the_frame(col_figure) && detail::unlike_the_frame(col_name) &&
              detail::unlike_the_frame(col_boundary) && col_figure != col_name &&
              col_figure != col_boundary && col_name != col_boundary);
static_assert(detail::unlike_the_frame(col_mark) && col_mark != col_figure &&
              col_mark != col_name && col_mark != col_boundary);

// The sky field on the drawing surface: centre (pixels), radius (degrees) and
// scale (pixels per degree).
constexpr double xc_sky = 320;
constexpr double yc_sky = 350;
constexpr double r_sky = 90;
constexpr double scl_sky = 3;

// Two lines of text across the top of the surface, shared by the date caption
// on the left and the field's legend on the right: the top edge of each line
// (pixels, where print starts).
constexpr double text_line1_y = 22;
constexpr double text_line2_y = 42;
// Left edge of the date caption, pixels.
constexpr double caption_x = 48;
// Left edge of the legend's text, pixels right of the field's centre; its
// sample lines end 40 pixels before it.
constexpr double legend_text_dx = 120;
// The legend's sample line runs this many pixels below the top of its text.
constexpr double legend_line_dy = 5;

// Japan Standard Time is UT plus this many hours: the start moment is typed
// and the caption shown in JST, while the calendar and the sky work in UT.
constexpr double jst_offset_hours = 9;

// Size of a drawing surface in pixels.
constexpr int surface_width = 641;
constexpr int surface_height = 665;

}  // namespace hz
