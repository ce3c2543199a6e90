// SPDX-License-Identifier: GPL-3.0-or-later
// Markers of the Sun, the planets and the Moon.
#pragma once

#include "render/surface.hpp"

namespace hz {

// Draws the mark of one body at a point already projected into the field.
//
// Given:    pic        the surface drawn on
//           k_mrk      kind: 0 Sun, 1 Mercury, 2 Venus, 4 Mars, 5 Jupiter,
//                      6 Saturn, 7 Uranus, 8 Neptune, 9 Pluto; any other
//                      value draws the Moon
//           x_mrk      surface x of the body
//           y_mrk      surface y of the body
// Given and returned:
//           d_mrk      Moon only: right ascension of the Sun minus that of
//                      the Moon, hours, -24..24; returned as the folded phase
//                      angle, radians, 0..pi (untouched for other bodies)
// Notes:    1. The Sun and Jupiter leave the fill style solid, the other
//              planets transparent; the Moon does not change it. The fore
//              colour and fill colour set here stay set.
//           2. The Moon is the outline of its lit part, a polygon of 12 sides
//              on a circle of radius 8 (limb on the left when waning, on the
//              right when waxing), filled from the midpoint of the widest
//              points of limb and terminator. The seed is taken to its whole
//              pixel, and the fill runs only when that pixel lies strictly
//              inside the outline polygon (vertices rounded as the surface
//              rounds them): a thin crescent whose seed falls on or outside
//              the outline is left as its outline, so the fill never leaves
//              the Moon.
void mrk(Surface& pic, int k_mrk, double x_mrk, double y_mrk, double& d_mrk);

// The Moon at its apparent size in a magnified view: as mrk draws its mark
// (same phase rules, fill and colour), on a circle of the given radius in
// pixels, with a vertex every three pixels or so of the limb.
void moon_disc(Surface& pic, double x, double y, double radius, double& d_mrk);

// The radius of the Moon's mark, pixels: larger than this, the Moon is drawn
// at its apparent size.
constexpr double moon_mark_radius = 8;

}  // namespace hz
