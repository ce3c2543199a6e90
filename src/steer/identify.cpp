// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/identify.hpp"

#include <algorithm>
#include <cmath>

#include "catalog/precession.hpp"
#include "constellation/constellation_at.hpp"
#include "constellation/constellations.hpp"
#include "constellation/extended_stars.hpp"
#include "frame/frame_view.hpp"
#include "frame/view_zoom.hpp"
#include "render/moon_phase_angle.hpp"
#include "render/sky_rotation.hpp"
#include "steer/almanac_tip.hpp"
#include "steer/disc_page.hpp"
#include "text/decimal_text.hpp"
#include "text/dms.hpp"
#include "text/object_names.hpp"

namespace hz {
namespace {

// A star's magnitude, built-in or extended.
double star_magnitude(const StarTables& stars, int i) {
  if (i <= last_star) return stars.mag_st[i];
  return extended_stars[static_cast<std::size_t>(i - first_extended)].mag;
}

// Brightness order of the hit test: smaller is brighter.
double brightness_rank(const StarTables& stars, int i) {
  if (i == sun_index) return -300;
  if (i == moon_index) return -200;
  if (i >= sun_index && i <= moon_index) return -100 + (i - sun_index);
  return star_magnitude(stars, i);
}

bool is_star(int i) { return i <= last_star || i >= first_extended; }

// "12°34′": whole degrees and whole minutes.
std::string degrees_minutes(const Dms& d) {
  return fixed_text(d.deg, 0) + "°" + fixed_text(d.min, 0, 2) + "′";
}

// "+12°34′": signed degrees and whole minutes.
std::string degrees(double deg) {
  const Dms d = *dms(deg, "min", 0);
  std::string s(1, d.sgn);
  return s += degrees_minutes(d);
}

// An azimuth, 0 <= az < 360, in degrees and whole minutes: a hair west of
// north rounds up to 360°00′, which is north, 0°00′.
std::string azimuth(double deg) {
  Dms d = *dms(deg, "min", 0);
  if (d.deg >= 360) d.deg -= 360;
  return degrees_minutes(d);
}

// "6h45.2m": hours and minutes to a tenth.
std::string hours(double h) {
  h = std::fmod(h, 24.0);
  if (h < 0) h += 24;
  Dms d = *dms(h, "min", 1);
  if (d.deg >= 24) d.deg -= 24;
  return fixed_text(d.deg, 0) + "h" + fixed_text(d.min, 1, 4) + "m";
}

}  // namespace

std::optional<int> object_at(const FrameReport& frame, const StarTables& stars, double x, double y,
                             double radius) {
  std::optional<int> best;
  double best_d = 0;
  const int end = first_extended + static_cast<int>(frame.extended.size());
  for (int i = 1; i < end; ++i) {
    // Only the place matters here: the faint stars' altitudes are not worked out.
    const bool faint = i >= object_table_size;
    const auto& xp = faint ? frame.extended[i - first_extended].xp : frame.objects[i].xp;
    const auto& yp = faint ? frame.extended[i - first_extended].yp : frame.objects[i].yp;
    const bool drawn = faint ? frame.extended[i - first_extended].drawn : frame.objects[i].drawn;
    if (!drawn || !xp || !yp || i == earth_index) continue;
    const double d = std::hypot(*xp - x, *yp - y);
    if (!(d <= radius)) continue;
    const bool nearer = !best || d < best_d - 1;
    const bool as_near = best && std::fabs(d - best_d) <= 1;
    if (nearer || (as_near && brightness_rank(stars, i) < brightness_rank(stars, *best))) {
      best = i;
      best_d = d;
    }
  }
  return best;
}

std::optional<int> constellation_under(const FrameReport& frame, double x, double y) {
  const auto p = unproject(x, y, xc_sky, yc_sky, view_scale(frame.options));
  if (!p) return std::nullopt;
  // Beyond the field: the hemisphere in front, or the zoom's narrower cone.
  const double radius = field_radius(frame.options);
  if (radius >= r_sky ? p->z < 0 : std::acos(std::min(p->z, 1.0)) / rd > radius)
    return std::nullopt;
  const SkyRotation rot = frame_rotation(view_of(frame));
  const Vec3 e = rot.equator_of_view(*p);
  if (rot.horizon(e).z < 0) return std::nullopt;

  // The place of the stars' epoch, carried back to J2000.0 by the same
  // precession run backwards (within a second of arc over centuries).
  const double ra_h = std::atan2(e.y, e.x) / rd / 15;
  const double dec_deg = std::atan2(e.z, std::hypot(e.x, e.y)) / rd;
  const EquatorialPlace j2000 = precess_place(ra_h, dec_deg, -100 * frame.stars_epoch);
  return constellation_at(j2000.ra_h, j2000.dec_deg);
}

std::string describe_constellation(int k) {
  const Constellation& c = constellations[static_cast<std::size_t>(k)];
  return std::string(c.japanese) + " (" + c.latin + ")";
}

MoonLight moon_light(double mphase) {
  const MoonPhaseAngle a = moon_phase_angle(mphase);
  return {(1 - std::cos(a.turned)) / 2, a.mirror};
}

std::string describe_object(const FrameReport& frame, const StarTables& stars, int i) {
  ObjectName name = object_name(i);
  name.designation = greek_designation(name.designation);
  const ObjectRow r = object_row(frame, i);
  std::string title = !name.japanese.empty() ? name.japanese : name.designation;
  std::string english = name.english;
  if (title.empty()) {
    title = english;
    english.clear();
  }
  std::string out = title;
  if (!english.empty()) out += " (" + english + ")";
  if (is_star(i)) {
    if (!name.japanese.empty() && !name.designation.empty()) out += "\n" + name.designation;
    (out += '\n') += fixed_text(star_magnitude(stars, i), 1) + " 等";
  }
  if (r.alt && r.az) {
    out += "\n高度 " + degrees(*r.alt / rd) + "  方位 " + azimuth(*r.az / rd);
  }
  if (r.ra_h && r.dec_deg) {
    out += "\n赤経 " + hours(*r.ra_h) + "  赤緯 " + degrees(*r.dec_deg);
  }
  const ObjectRow& sun = frame.objects[sun_index];
  if (i == moon_index && sun.ra_h && r.ra_h) {
    const MoonLight p = moon_light(*sun.ra_h - *r.ra_h);
    (out += "\n輝面 ") += fixed_text(100 * p.lit, 0);
    (out += "%  ") += p.waxing ? "満ちていく月" : "欠けていく月";
  }
  out += disc_tip(i, frame.t2000);
  return out + almanac_tip(frame, i);
}

std::string describe_point(const FrameReport& frame, const StarTables& stars, double x, double y) {
  if (const auto hit = object_at(frame, stars, x, y)) return describe_object(frame, stars, *hit);
  const auto k = constellation_under(frame, x, y);
  return k ? describe_constellation(*k) : std::string();
}

}  // namespace hz
