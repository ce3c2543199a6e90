// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/frame_view.hpp"

#include "common/constants.hpp"
#include "frame/view_zoom.hpp"
#include "time/horizon.hpp"
#include "time/sidereal.hpp"

namespace hz {

FrameView view_of(const FrameReport& frame) {
  return {frame.t2000,
          frame.ut_now,
          frame.lat_obs,
          frame.lon_obs,
          frame.view_alt,
          frame.view_az,
          view_scale(frame.options),
          field_radius(frame.options)};
}

std::optional<Projected> place_in_field(const FrameView& view, double ra_h, double dec_deg,
                                        ObjectRow& row) {
  const Horizon h =
      altaz(rd * 15 * ra_h, rd * dec_deg, view.lat_obs, view.lon_obs, view.t2000, view.ut_now);
  row.alt = h.alt;
  row.az = h.az;
  if (h.alt < 0) return std::nullopt;

  const Projected p =
      prj(rd * view.view_alt, rd * view.view_az, xc_sky, yc_sky, view.scale, h.alt, h.az);
  row.d = p.d;
  row.xp = p.xp;
  row.yp = p.yp;
  if (p.d / rd > view.radius) return std::nullopt;
  return p;
}

SkyRotation frame_rotation(const FrameView& view) {
  const double theta = local_sidereal_angle(view.lon_obs, view.t2000, view.ut_now);
  return SkyRotation(theta, view.lat_obs, rd * view.view_alt, rd * view.view_az);
}

}  // namespace hz
