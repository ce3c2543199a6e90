// SPDX-License-Identifier: GPL-3.0-or-later
// A frame kept as shapes rather than pixels, in the order drawn, for the
// writers of vector files and pages. Coordinates are surface pixels, already
// rounded as a raster surface rounds them: a pixel's centre lies on whole
// numbers, so a shape of these coordinates covers the pixels the raster
// surface sets.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "render/surface.hpp"

namespace hz {

// A full circle or ellipse: an outline one pixel wide, filled or not. A
// filled one whose fill is its outline's colour is a dot: a star.
struct VectorEllipse {
  double x, y;    // centre
  double rx, ry;  // semi-axes, to the middle of the outline
  Rgb outline;
  std::optional<Rgb> fill;
};

// A part of an ellipse's outline.
struct VectorArc {
  double x, y, rx, ry;
  ArcAngles angles;  // counter-clockwise on the screen from +x
  Rgb colour;
};

// Lines one pixel wide in one colour, both end pixels included: each stroke
// joins its points in order.
struct VectorLines {
  Rgb colour;
  std::vector<std::vector<Point>> strokes;
};

// Single pixels (a dotted boundary, the Moon's lit part), gathered into
// runs along rows.
struct PixelRun {
  int y, x0, x1;  // x0..x1 inclusive
};
struct VectorPixels {
  Rgb colour;
  std::vector<PixelRun> runs;
};

// A text in the surface font (12 pixels), its top-left pixel at (x, y).
struct VectorText {
  int x, y;
  std::string utf8;
  Rgb colour;
};

using VectorShape = std::variant<VectorEllipse, VectorArc, VectorLines, VectorPixels, VectorText>;

struct VectorDrawing {
  Rgb back;                         // the colour the surface was cleared to
  std::vector<VectorShape> shapes;  // bottom first
};

}  // namespace hz
