// SPDX-License-Identifier: GPL-3.0-or-later
// Labels of the science lesson's pictures (star names, asterisms, the
// equinoxes, the grid's hours and degrees): each put at the first of a few
// places near its point that is free (label_room.hpp) and inside the field,
// then written outlined in the sky's colour, as the constellations' names are.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "frame/label_room.hpp"
#include "render/field_geometry.hpp"
#include "render/sky_rotation.hpp"
#include "render/surface.hpp"

namespace hz {

// Labels waiting to be written, in one colour each batch.
struct LabelBatch {
  Rgb colour = 0;
  std::vector<std::string> texts;
  std::vector<Point> corners;  // top-left corners
};

// Where a direction of the equator of date falls on the surface, when it
// stands well inside the field (sky_arcs.hpp).
std::optional<Point> point_on_surface(const FieldGeometry& field, const SkyRotation& rot,
                                      const Vec3& e);

// Where a label may go about its point: beside, right then left, else above
// or below; all given as top-left corners for a text of that width.
std::vector<Point> label_places(Point p, double width, double gap);

// Puts the text at the first of places (top-left corners) whose box is free of
// taken and inside the field, and takes that box. Returns whether it found one.
bool place_label(LabelBatch& batch, std::string text, std::span<const Point> places,
                 const FieldGeometry& field, const SkyRotation& rot, std::vector<LabelBox>& taken);

// Writes the batches, each text outlined in the sky's colour.
void print_labels(Surface& pic, std::span<const LabelBatch> batches, Rgb sky);

}  // namespace hz
