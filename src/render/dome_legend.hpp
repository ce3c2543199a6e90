// SPDX-License-Identifier: GPL-3.0-or-later
// What every dome ends with, unmagnified or magnified: the two-line legend
// and the cardinal points.
#pragma once

#include <string_view>

#include "render/surface.hpp"

namespace hz {

// Draws the legend (a line in the fore colour and first_line, then in col2 a
// line and 「地平線」) and, in col2, each cardinal point of the horizon whose
// distance from the line of sight (ss, sl, radians) is below r + tolerance
// degrees: a small circle and its label 北, 東, 南 or 西 beneath it.
// Returned: whether a cardinal point was drawn (the fill style is then
// transparent); the fore colour is left col2.
bool draw_legend_and_cardinal_points(Surface& pic, std::string_view first_line, double ss,
                                     double sl, double x0, double y0, double r, double scl,
                                     double tolerance, Rgb col2);

}  // namespace hz
