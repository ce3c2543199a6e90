// SPDX-License-Identifier: GPL-3.0-or-later
// Day or night is decided by the sign of the Sun's altitude: a threshold off
// by even a few thousandths of a radian changes the sky colour at sunrise.
#include <gtest/gtest.h>

#include "common/constants.hpp"
#include "frame/solar_system.hpp"
#include "time/calendar.hpp"
#include "time/horizon.hpp"

namespace hz {
namespace {

// Tokyo around sunrise on 2026-12-07 (JST), when the Sun's altitude rises
// steadily through 0: between 20.5 h and 22.5 h UT of the 6th.
struct Sunrise {
  double lat = 35.7 * rd, lon = 139.7 * rd;

  FrameView view_at(double ut) const {
    return {date_to_day(2026, 12, 6, ut).value().t2000, ut, lat, lon, 90, 180};
  }
  // The Sun's altitude as the frame computes it, and the frame's verdict.
  std::pair<double, int> at(double ut) const {
    const FrameView view = view_at(ut);
    ObjectArray ra{}, dc{};
    const BodiesState s = compute_bodies(view, ra, dc);
    const Horizon h = altaz(rd * 15 * ra[sun_index], rd * dc[sun_index], lat, lon, view.t2000, ut);
    return {h.alt, s.is_day};
  }
  // The time of day at which the Sun stands at altitude alt, by bisection.
  double ut_of_altitude(double alt) const {
    double lo = 20.5, hi = 22.5;
    for (int i = 0; i < 80; ++i) {
      const double mid = (lo + hi) / 2;
      (at(mid).first < alt ? lo : hi) = mid;
    }
    return hi;
  }
};

TEST(DayNight, TheSunsAltitudeSignDecides) {
  const struct Case {
    double alt;  // radians
    int is_day;
    const char* why;
  } cases[] = {
      {-0.02, 0, "well below the horizon"},
      {-0.005, 0, "a threshold of -0.01 would already call this day"},
      {-1e-7, 0, "just below"},
      {1e-7, 1, "just above"},
      {0.005, 1, "a threshold of +0.01 would still call this night"},
      {0.02, 1, "well above"},
  };
  const Sunrise s;
  for (const Case& c : cases) {
    const auto [alt, is_day] = s.at(s.ut_of_altitude(c.alt));
    ASSERT_NEAR(alt, c.alt, 1e-9) << c.why << ": the bisection must reach the altitude";
    EXPECT_EQ(is_day, c.is_day) << c.why << " (Sun at " << alt << " rad)";
  }
}

}  // namespace
}  // namespace hz
