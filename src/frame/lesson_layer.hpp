// SPDX-License-Identifier: GPL-3.0-or-later
// The science lesson's pictures of a frame, all off by default: the Milky
// Way, the reference lines and the asterisms beneath the constellations and
// the stars, then the labels (the stars' names, the asterisms', the
// equinoxes', the grid's) clear of the constellations' names and of each
// other. Hidden by day, as the stars are, unless stars by day are chosen.
#pragma once

#include <vector>

#include "frame/constellation_sky.hpp"
#include "frame/frame_report.hpp"
#include "frame/frame_view.hpp"
#include "frame/sky_labels.hpp"
#include "render/sky_fill.hpp"

namespace hz {

// Kept from frame to frame.
struct LessonScratch {
  std::vector<Vec3> milky_way;  // the Milky Way's points at the stars' epoch
  double milky_way_epoch = 0;
  // Each ring's cap: the middle of its points and the cosine and sine of
  // their largest angle from it.
  std::vector<Vec3> cap_centre;
  std::vector<double> cap_cos, cap_sin;
  std::vector<ViewVec> ring;
  SkyFill fill;
  std::vector<Point> points;
  LabelBatch batches[4];
};

// Whether the options ask for a label of these pictures.
bool any_lesson_label(const FrameOptions& o);

// The Milky Way, the reference lines and the asterisms' lines.
void draw_lesson_beneath(Surface& pic, ConstellationSky& sky, const FrameView& view,
                         const ObjectArray& ra_obj, const ObjectArray& dc_obj,
                         LessonScratch& scratch, const FrameReport& report);

// The labels, each clear of taken (and then taken).
void draw_lesson_labels(Surface& pic, ConstellationSky& sky, const FrameView& view,
                        const ObjectArray& ra_obj, const ObjectArray& dc_obj,
                        LessonScratch& scratch, std::vector<LabelBox>& taken,
                        const FrameReport& report);

}  // namespace hz
