// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of reference of a magnified view: a field narrower than the
// hemisphere in front, with a grid fine enough that a few of its lines
// cross it.
#pragma once

#include <string>

#include "common/constants.hpp"
#include "render/surface.hpp"

namespace hz {

// The grid's spacing for a field of radius r degrees: 10, 5, 2 or 1 degree,
// the finest that puts no more than eight lines across the radius (10 for
// every field wider than 80 degrees). The steps grow by at most 2.5 times,
// so more than three lines cross any narrower field's radius.
int grid_step_degrees(double r);

// The legend's first line for a field of radius r degrees: the radius whole
// when it is (「視線を中心とする半径45ﾟの円」), else to a tenth (「半径63.6ﾟ」),
// rounded half to even.
std::string field_radius_legend(double r);

// Clears the surface and draws what sph draws, for a field of r degrees
// (below 90) at scl surface units per degree: the altitude circles and the
// azimuth lines every grid_step_degrees(r) in col1 (azimuth lines off the
// tens stop at altitude 80, where they would crowd), the horizon in col2,
// each cut exactly at the field's edge; the field's edge in col3 where it
// stands above the horizon; the legend, its first line stating the radius;
// the cardinal points with their labels. Only the part of the grid near
// the field is worked out.
//
// Given:    the arguments of sph, with r < 90
// Returned: whether a cardinal point was drawn (and the fill style set to
//           transparent); the fore colour is left col2, as sph leaves it.
bool zoomed_dome(Surface& pic, double alt0, double az0, double x0, double y0, double r, double scl,
                 Rgb col1, Rgb col2, Rgb col3);

}  // namespace hz
