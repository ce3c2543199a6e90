// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/body_place.hpp"

#include <cmath>

#include "common/constants.hpp"
#include "ephem/moon.hpp"
#include "ephem/planets.hpp"
#include "time/sidereal.hpp"

namespace hz {

std::optional<AlmanacBody> almanac_body_at(int i) {
  for (int k = 0; k < almanac_body_count; ++k) {
    const auto b = static_cast<AlmanacBody>(k);
    if (almanac_body_object(b) == i) return b;
  }
  return std::nullopt;
}

BodyPlace body_place(AlmanacBody b, double t2000) {
  if (b == AlmanacBody::moon) {
    const MoonPlace m = moon(t2000);
    return {m.ra, m.dc, m.r_mon, 0};
  }
  const Geocentric g = plpl(almanac_body_object(b) - sun_index, t2000);
  return {g.ra, g.dc, 0, g.d};
}

Horizon seen_from(const BodyPlace& p, const Observer& o, double t2000, double ut) {
  Horizon h = altaz(p.ra, p.dc, o.lat, o.lon, t2000, ut);
  if (p.sin_par != 0) {
    // Move the eye from the centre one Earth radius up the vertical; the
    // distance in Earth radii is 1 / sin_par, so scale everything by sin_par.
    h.alt = std::atan2(std::sin(h.alt) - p.sin_par, std::cos(h.alt));
  }
  return h;
}

double rise_set_altitude(AlmanacBody b, const BodyPlace& p, double refraction) {
  if (b == AlmanacBody::sun) {
    const double semi_diameter = sun_semi_diameter_1au / p.distance / 3600 * rd;
    return -(refraction + semi_diameter);
  }
  return -refraction;
}

double hour_angle(const BodyPlace& p, const Observer& o, double t2000, double ut) {
  return local_sidereal_angle(o.lon, t2000, ut) - p.ra;
}

}  // namespace hz
