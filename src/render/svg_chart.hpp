// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing written as an SVG document: the star chart as a vector file.
#pragma once

#include <string>
#include <string_view>

#include "render/chart_style.hpp"
#include "render/vector_drawing.hpp"

namespace hz {

// The height of the band above the surface that holds a chart's title line,
// surface pixels.
inline constexpr double chart_title_band = 32;

// The size of a title's text, pixels: 16, or less for a title too long for
// the surface's width in the gothic (a character beyond ASCII a square, an
// ASCII one half of it).
double chart_title_pixels(std::string_view title);

// The SVG document of a drawing in a style: the surface's 641 x 665 pixels
// (a user unit each, a pixel's centre on whole numbers), the shapes in the
// order drawn and clipped to the surface, texts as text in the surface's
// Japanese gothic. A title, when not empty, stands centred in a band above.
std::string svg_chart(const VectorDrawing& drawing, ChartStyle style, std::string_view title);

}  // namespace hz
