// SPDX-License-Identifier: GPL-3.0-or-later
// What every dome ends with, unmagnified or magnified: the two-line legend
// and the cardinal points.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "render/surface.hpp"

namespace hz {

// A cardinal point's label 北, 東, 南 or 西 has its top-left corner this far
// from the point's pixel (the point itself is a circle of radius 2).
constexpr double cardinal_label_dx = -4;
constexpr double cardinal_label_dy = 10;

// How far beyond the field's edge, degrees, the domes draw a cardinal point:
// half a degree in the unmagnified field (radius r_sky), the same 1.5 pixels
// in a magnified one of scl pixels a degree.
double cardinal_tolerance(double r, double scl);

// The pixel of each cardinal point of the horizon (北, 東, 南, 西) for the line
// of sight (ss, sl, radians), when its distance from it is below r +
// tolerance degrees: the points the dome draws.
std::array<std::optional<Point>, 4> cardinal_points(double ss, double sl, double x0, double y0,
                                                    double r, double scl, double tolerance);

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
