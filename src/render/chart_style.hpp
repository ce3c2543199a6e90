// SPDX-License-Identifier: GPL-3.0-or-later
// The colours a star chart is written in: the screen's, or black on white
// for paper. Applied only when a drawing is written out, so the drawing
// itself (and the Moon's fill, which reads colours back) keeps the screen's.
#pragma once

#include <optional>
#include <string_view>

#include "common/constants.hpp"

namespace hz {

enum class ChartStyle { screen, print };

// "screen" or "print"; nothing for another name.
std::optional<ChartStyle> chart_style_named(std::string_view name);

// The paper a chart is printed on, portrait.
enum class Paper { a4, a3, letter };

// "a4", "a3" or "letter"; nothing for another name.
std::optional<Paper> paper_named(std::string_view name);

// The margin left about a chart on paper, millimetres.
inline constexpr double chart_margin_mm = 15;

// The colour a screen colour is written in. print: white sky, black stars
// and texts, grey grid and horizon, dark constellation lines and names, the
// planets in darker shades of their own colours.
Rgb chart_colour(ChartStyle style, Rgb screen);

}  // namespace hz
