// SPDX-License-Identifier: GPL-3.0-or-later
// Grabbing the sky: the line of sight that keeps a direction of the horizon
// under the pointer while the pointer moves. Plain geometry of prj's
// projection, no widgets.
#pragma once

#include <optional>

#include "common/horizon_direction.hpp"
#include "frame/frame_report.hpp"
#include "render/field_geometry.hpp"

namespace hz {

// Where the sky field lies on the drawing surface at a zoom: the centre
// (pixels), the scale (pixels per degree), scl_sky times the zoom, and the
// radius, r_sky over the zoom.
FieldGeometry field_geometry(double zoom);

// The horizon direction drawn at surface point (xp, yp) of the view with line
// of sight `view`; none beyond pi from the line of sight.
std::optional<HorizonDirection> direction_at(double xp, double yp, const HorizonDirection& view,
                                             const FieldGeometry& g);

// The horizon direction drawn at surface point (xp, yp) of a frame, with its
// line of sight and zoom; none beyond pi from the line of sight.
std::optional<HorizonDirection> direction_at(const FrameReport& frame, double xp, double yp);

// The line of sight that draws `grabbed` at surface point (xp, yp), the
// nearest to `now` of the ones that do.
//
// Notes: the view never rolls (up is always toward the zenith), so some
//        pairs have no exact answer (a direction 30 degrees high cannot be
//        drawn at a point 80 degrees left of the centre of a view at the
//        horizon); then the answer draws it as near the point as the
//        projection allows. Altitude within -90..90, azimuth 0..360. A
//        point beyond pi from the centre leaves the view as it is.
HorizonDirection grab_view(const HorizonDirection& grabbed, double xp, double yp,
                           const HorizonDirection& now, const FieldGeometry& g);

}  // namespace hz
