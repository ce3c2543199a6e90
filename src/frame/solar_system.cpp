// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/solar_system.hpp"

#include <cmath>

#include "ephem/moon.hpp"
#include "ephem/planets.hpp"
#include "render/markers.hpp"
#include "time/horizon.hpp"

namespace hz {

BodiesState compute_bodies(const FrameView& view, ObjectArray& ra_obj, ObjectArray& dc_obj) {
  for (int k_pl = 0; k_pl <= last_body_pl; ++k_pl) {
    const Geocentric g = plpl(k_pl, view.t2000);
    ra_obj[sun_index + k_pl] = g.ra / rd / 15;
    dc_obj[sun_index + k_pl] = g.dc / rd;
  }
  const MoonPlace m = moon(view.t2000);
  ra_obj[moon_index] = m.ra / rd / 15;
  dc_obj[moon_index] = m.dc / rd;

  BodiesState s;
  s.mphase = ra_obj[sun_index] - ra_obj[moon_index];
  const Horizon sun = altaz(rd * 15 * ra_obj[sun_index], rd * dc_obj[sun_index], view.lat_obs,
                            view.lon_obs, view.t2000, view.ut_now);
  s.is_day = sun.alt > 0 ? 1 : 0;
  s.moon_semi_diameter = std::asin(moon_to_earth_radius * m.r_mon);
  return s;
}

void draw_bodies(Surface& pic, const FrameView& view, const ObjectArray& ra_obj,
                 const ObjectArray& dc_obj, const BodiesState& bodies, FrameReport& report) {
  double mphase = bodies.mphase;  // the Moon's mark folds it in place
  for (int i = sun_index; i <= moon_index; ++i) {
    ObjectRow& row = report.objects[i];
    const auto p = place_in_field(view, ra_obj[i], dc_obj[i], row);
    if (!p) continue;

    const bool shown_now =
        report.is_day == 0 || report.options.stars_by_day || i == sun_index || i == moon_index;
    const double moon_radius = bodies.moon_semi_diameter / rd * view.scale;
    if (i == moon_index && shown_now && moon_radius > moon_mark_radius) {
      moon_disc(pic, p->xp, p->yp, moon_radius, mphase);
      row.drawn = true;
    } else if (i != earth_index && shown_now) {
      mrk(pic, i - sun_index, p->xp, p->yp, mphase);
      row.drawn = true;
    }
  }
}

}  // namespace hz
