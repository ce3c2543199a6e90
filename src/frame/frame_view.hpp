// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "common/constants.hpp"
#include "frame/frame_report.hpp"
#include "render/projection.hpp"
#include "render/sky_rotation.hpp"

namespace hz {

// What every object's drawing step needs of its frame.
struct FrameView {
  double t2000, ut_now;      // the moment
  double lat_obs, lon_obs;   // the place, radians
  double view_alt, view_az;  // line of sight, degrees
  // The field under the zoom (view_zoom.hpp): pixels per degree, radius in
  // degrees.
  double scale = scl_sky, radius = r_sky;
};

// The view of a frame's moment, place, line of sight and zoom.
FrameView view_of(const FrameReport& frame);

// The one rotation of a frame, from the equator of date to its horizon and
// line of sight: the figures, names, boundaries and faint stars go through
// it, and so does what lies under the pointer.
SkyRotation frame_rotation(const FrameView& view);

// Converts an object of the table (hours, degrees) to altitude and azimuth
// and, when it is above the horizon (an altitude of exactly 0 counts), projects
// it. Records what it computed in row. Returns the projection when the object
// lies within the field radius of the line of sight, nothing otherwise.
std::optional<Projected> place_in_field(const FrameView& view, double ra_h, double dec_deg,
                                        ObjectRow& row);

}  // namespace hz
