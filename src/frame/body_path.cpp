// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/body_path.hpp"

#include <algorithm>
#include <cmath>

#include "common/object_layout.hpp"
#include "ephem/moon.hpp"
#include "ephem/planets.hpp"
#include "render/projection.hpp"
#include "time/calendar.hpp"
#include "time/horizon.hpp"

namespace hz {
namespace {

// The room a date ("12/31") takes, pixels.
constexpr double label_width = 36, label_height = 12;

}  // namespace

bool has_path(int object) {
  return object >= sun_index && object <= moon_index && object != earth_index;
}

std::vector<PathPlace> path_places(int object, int days, double t2000, double ut) {
  std::vector<PathPlace> places;
  if (!has_path(object)) return places;
  for (int k = 0; k < days; ++k) {
    PathPlace p;
    p.t2000 = t2000 + k / 36525.0;
    p.ut = ut + 24.0 * k;  // sidereal time reduces it
    if (object == moon_index) {
      const MoonPlace m = moon(p.t2000);
      p.ra_h = m.ra / rd / 15;
      p.dec_deg = m.dc / rd;
    } else {
      const Geocentric g = plpl(object - sun_index, p.t2000);
      p.ra_h = g.ra / rd / 15;
      p.dec_deg = g.dc / rd;
    }
    places.push_back(p);
  }
  return places;
}

int label_every(int days) {
  if (days <= 120) return 10;
  return static_cast<int>(std::ceil(days / 12.0 / 10)) * 10;
}

std::string month_day_text(double t2000) {
  const std::optional<DateAndTime> jst = centuries_to_jst_date(t2000);
  if (!jst) return "";
  return std::to_string(static_cast<int>(jst->date.mn)) + '/' +
         std::to_string(static_cast<int>(jst->date.dy));
}

void draw_path(Surface& pic, const FrameView& view, bool horizon, std::vector<PathPlace>& places) {
  for (PathPlace& p : places) {
    const Horizon h =
        horizon ? altaz(rd * 15 * p.ra_h, rd * p.dec_deg, view.lat_obs, view.lon_obs, p.t2000, p.ut)
                : altaz(rd * 15 * p.ra_h, rd * p.dec_deg, view.lat_obs, view.lon_obs, view.t2000,
                        view.ut_now);
    p.xp.reset();
    p.yp.reset();
    if (h.alt < 0) continue;
    const Projected s =
        prj(rd * view.view_alt, rd * view.view_az, xc_sky, yc_sky, view.scale, h.alt, h.az);
    if (s.d / rd > view.radius) continue;
    p.xp = s.xp;
    p.yp = s.yp;
  }
  for (std::size_t k = 1; k < places.size(); ++k) {
    const PathPlace &a = places[k - 1], &b = places[k];
    if (a.xp && b.xp) pic.line(*a.xp, *a.yp, *b.xp, *b.yp, col_path);
  }
  const FillStyle style = pic.fill_style();
  const Rgb fill = pic.fill_color();
  pic.set_fill_style(FillStyle::solid);
  pic.set_fill_color(col_path);
  std::vector<std::string> dates;
  std::vector<Point> at;
  const std::size_t every = static_cast<std::size_t>(label_every(static_cast<int>(places.size())));
  for (std::size_t k = 0; k < places.size(); ++k) {
    const PathPlace& p = places[k];
    if (!p.xp) continue;
    pic.circle(*p.xp, *p.yp, 1.5, col_path);
    // A date where another already stands (a planet turning back) is left out.
    const Point corner{*p.xp + 4, *p.yp - 14};
    const auto crowded = [&](const Point& q) {
      return std::fabs(q.x - corner.x) < label_width && std::fabs(q.y - corner.y) < label_height;
    };
    if (k % every == 0 && std::none_of(at.begin(), at.end(), crowded)) {
      dates.push_back(month_day_text(p.t2000));
      at.push_back(corner);
    }
  }
  std::vector<PlacedText> texts;
  for (std::size_t k = 0; k < dates.size(); ++k) texts.push_back({at[k].x, at[k].y, dates[k]});
  const Rgb fore = pic.fore_color();
  pic.set_fore_color(col_path);
  pic.print_all(texts);
  pic.set_fore_color(fore);
  pic.set_fill_style(style);
  pic.set_fill_color(fill);
}

}  // namespace hz
