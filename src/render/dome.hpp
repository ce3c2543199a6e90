// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of reference of the view: grid, horizon, field boundary, legend
// and cardinal points.
#pragma once

#include "common/constants.hpp"
#include "render/surface.hpp"

namespace hz {

// Clears the surface and draws, through prj, the azimuth lines (every 10
// degrees, horizon to zenith) and altitude circles (10..80 degrees) in col1,
// the horizon in col2, the upper half of the field boundary in col3 (unless
// the line of sight is within 0.5 degree of the zenith), the two-line legend
// and the four cardinal points with their labels.
//
// Given:    pic      the surface drawn on
//           alt0     altitude of the line of sight, degrees
//           az0      azimuth of the line of sight, degrees from north through
//                    east
//           x0, y0   view centre on the surface
//           r        field radius, degrees
//           scl      surface units per degree
//           col1     grid colour (the background colour hides the grid)
//           col2     horizon, cardinal points and second legend line
//           col3     field boundary and first legend line
// Notes:    a grid node belongs to the field when its distance from the line
//           of sight is below r + 0.1 degrees, a cardinal point below
//           r + 0.5; a segment is drawn when both its nodes belong. On return
//           the fore colour is col2 and the fill style transparent once a
//           cardinal point has been drawn.
// Returned: whether a cardinal point was drawn (and the fill style set).
bool sph(Surface& pic, double alt0, double az0, double x0, double y0, double r, double scl,
         Rgb col1, Rgb col2, Rgb col3);

}  // namespace hz
