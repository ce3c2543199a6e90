// SPDX-License-Identifier: GPL-3.0-or-later
// 星の並び and 星の名前: the asterisms' lines between their stars, and the
// Japanese names of the stars a lesson names, written beside their dots.
#pragma once

#include <vector>

#include "frame/constellation_sky.hpp"
#include "frame/frame_view.hpp"
#include "frame/sky_labels.hpp"

namespace hz {

// The asterisms' lines, beneath the stars.
void draw_asterism_lines(Surface& pic, ConstellationSky& sky, const FrameView& view,
                         const ObjectArray& ra_obj, const ObjectArray& dc_obj);

// The names queued: the stars' beside their dots, the asterisms' at the middle
// of their stars.
void place_lesson_names(ConstellationSky& sky, const FrameView& view, const FrameOptions& o,
                        const ObjectArray& ra_obj, const ObjectArray& dc_obj,
                        std::vector<LabelBox>& taken, LabelBatch& star_names,
                        LabelBatch& asterism_names);

}  // namespace hz
