// Constants shared by every subsystem: the angle factors, the colours and the
// geometry of the sky field. Plain C++, no Qt.
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

// The sky field on the drawing surface: centre (pixels), radius (degrees) and
// scale (pixels per degree).
constexpr double xc_sky = 320;
constexpr double yc_sky = 350;
constexpr double r_sky = 90;
constexpr double scl_sky = 3;

// Size of a drawing surface in pixels.
constexpr int surface_width = 641;
constexpr int surface_height = 665;

}  // namespace hz
