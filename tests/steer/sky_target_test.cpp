// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/sky_target.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "almanac/almanac_day.hpp"
#include "frame/driver_rig.hpp"
#include "frame/frame_driver.hpp"
#include "frame/manual_timer.hpp"
#include "render_qt/image_surface.hpp"
#include "support/fake_fields.hpp"
#include "support/table_rows.hpp"
#include "text/decimal_text.hpp"
#include "time/calendar.hpp"
#include "time/horizon.hpp"

namespace hz {
namespace {

using testing::FakeFields;

// A view centred on a target puts it this close to the centre pixel.
constexpr double centre_tolerance_px = 1;
// A rising agrees with the almanac's to a second.
constexpr double rising_tolerance_centuries = 1.0 / (36525.0 * 86400);
// A fixed place's rising is at the altitude of standard refraction to 0.001°.
constexpr double rising_altitude_tolerance = 0.001 * rd;

constexpr int jupiter = sun_index + 5;

// The driver drawing on images, over fields a test types into.
struct Rig : testing::DriverRig<ImageSurface> {
  const FrameReport& start(int yr, int mn, int dy, int hh, int mi) {
    fields.start(139.69, 35.69, yr, mn, dy, hh, mi);  // Tokyo
    return start_ok();
  }
};

TEST(SkyTarget, FoundByEitherName) {
  const struct {
    const char* name;
    SkyTarget::Kind kind;
    int index;
  } cases[] = {
      {"木星", SkyTarget::Kind::body, jupiter},
      {"jupiter", SkyTarget::Kind::body, jupiter},
      {"  JUPITER\t", SkyTarget::Kind::body, jupiter},
      {"月", SkyTarget::Kind::body, moon_index},
      {"Sun", SkyTarget::Kind::body, sun_index},
      {"シリウス", SkyTarget::Kind::star, testing::star_row("alp CMa")},
      {"sirius", SkyTarget::Kind::star, testing::star_row("alp CMa")},
      {"バテン・カイトス", SkyTarget::Kind::star, moon_index + testing::extended_row("zet Cet")},
      {"オリオン座", SkyTarget::Kind::constellation, testing::constellation_index("Ori")},
      {"orion", SkyTarget::Kind::constellation, testing::constellation_index("Ori")},
  };
  for (const auto& c : cases) {
    const std::optional<SkyTarget> t = find_target(c.name);
    ASSERT_TRUE(t) << c.name;
    EXPECT_EQ(t->kind, c.kind) << c.name;
    EXPECT_EQ(t->index, c.index) << c.name;
  }
  for (const char* unknown : {"地球", "Earth", "Vulcan", "", "  "}) {
    EXPECT_FALSE(find_target(unknown)) << "'" << unknown << "'";
  }
}

TEST(SkyTarget, TheListHoldsTenBodiesTheNamedStarsAndEveryConstellation) {
  int bodies = 0, stars = 0, constellations_seen = 0;
  for (const SkyTarget& t : sky_targets()) {
    EXPECT_FALSE(t.name_ja.empty() && t.name_en.empty()) << t.index;
    if (t.kind == SkyTarget::Kind::body) ++bodies;
    if (t.kind == SkyTarget::Kind::star) ++stars;
    if (t.kind == SkyTarget::Kind::constellation) ++constellations_seen;
  }
  EXPECT_EQ(bodies, 10);
  EXPECT_GT(stars, 300) << "named stars of both tables";
  EXPECT_EQ(constellations_seen, 88);
}

TEST(SkyTarget, AViewCentredOnJupiterDrawsItOnTheCentrePixel) {
  Rig r;
  r.start(2027, 1, 16, 1, 0);
  const std::optional<SkyTarget> t = find_target("木星");
  ASSERT_TRUE(t);
  const HorizonDirection h = target_direction(*t, r.driver.last_frame());
  ASSERT_GT(h.alt_deg, 20) << "Jupiter is up";

  r.fields.set(Field::view_altitude, fixed_text(h.alt_deg, 9))
      .set(Field::view_azimuth, fixed_text(h.az_deg, 9));
  r.driver.redraw();
  const FrameReport& f = r.driver.last_frame();
  const ObjectRow& row = f.objects[jupiter];
  ASSERT_TRUE(row.drawn);
  EXPECT_NEAR(*row.xp, xc_sky, centre_tolerance_px);
  EXPECT_NEAR(*row.yp, yc_sky, centre_tolerance_px);
  const auto* pic = dynamic_cast<const ImageSurface*>(r.driver.pic_draw());
  ASSERT_NE(pic, nullptr);
  EXPECT_NE(pic->point(xc_sky, yc_sky), f.sky) << "Jupiter's mark on the centre pixel";
}

TEST(SkyTarget, DirectionsAreTheFramesOwn) {
  Rig r;
  r.fields.options_.magnitude_limit = 6;
  const FrameReport& f = r.start(2027, 1, 16, 1, 0);
  for (const char* name : {"シリウス", "バテン・カイトス", "月"}) {
    const std::optional<SkyTarget> t = find_target(name);
    ASSERT_TRUE(t) << name;
    const ObjectRow row = object_row(f, t->index);
    const HorizonDirection h = target_direction(*t, f);
    EXPECT_DOUBLE_EQ(h.alt_deg, *row.alt / rd) << name;
    EXPECT_DOUBLE_EQ(h.az_deg, *row.az / rd) << name;
  }
}

TEST(SkyTarget, AFaintStarStandsWhereAFrameWithFaintStarsDrawsIt) {
  Rig plain, faint;
  faint.fields.options_.magnitude_limit = 6;
  const FrameReport& without = plain.start(2027, 1, 16, 1, 0);
  const FrameReport& with = faint.start(2027, 1, 16, 1, 0);
  const std::optional<SkyTarget> t = find_target("バテン・カイトス");
  ASSERT_TRUE(t);
  ASSERT_TRUE(without.extended.empty()) << "the plain frame made no faint stars";
  const HorizonDirection a = target_direction(*t, without), b = target_direction(*t, with);
  EXPECT_DOUBLE_EQ(a.alt_deg, b.alt_deg);
  EXPECT_DOUBLE_EQ(a.az_deg, b.az_deg);
}

TEST(SkyTarget, ABodyBelowTheHorizonRisesWhenTheAlmanacSays) {
  Rig r;
  const FrameReport& f = r.start(2026, 12, 20, 21, 0);  // night in Tokyo
  const struct {
    const char* name;
    AlmanacBody body;
    int yr, mn, dy;  // the JST date of the rising
  } cases[] = {
      {"太陽", AlmanacBody::sun, 2026, 12, 21},
      {"金星", AlmanacBody::venus, 2026, 12, 21},
      {"Mercury", AlmanacBody::mercury, 2026, 12, 21},
      {"Pluto", AlmanacBody::pluto, 2026, 12, 21},
  };
  for (const auto& c : cases) {
    const std::optional<SkyTarget> t = find_target(c.name);
    ASSERT_TRUE(t) << c.name;
    ASSERT_LT(target_direction(*t, f).alt_deg, 0) << c.name << " is below the horizon";
    const std::optional<double> rising = next_rising(*t, f);
    ASSERT_TRUE(rising) << c.name;
    const std::optional<AlmanacDay> day = almanac_day(139.69, 35.69, c.yr, c.mn, c.dy);
    ASSERT_TRUE(day);
    const std::optional<AlmanacEvent> rise = find_event(*day, c.body, AlmanacEventKind::rise);
    ASSERT_TRUE(rise);
    EXPECT_NEAR(*rising, rise->t2000, rising_tolerance_centuries) << c.name;
  }
}

TEST(SkyTarget, AStarRisesAtTheAltitudeOfRefraction) {
  Rig r;
  const FrameReport& f = r.start(2026, 12, 20, 12, 0);  // Sirius below the horizon at noon
  const std::optional<SkyTarget> t = find_target("Sirius");
  ASSERT_TRUE(t);
  ASSERT_LT(target_direction(*t, f).alt_deg, 0);
  const std::optional<double> rising = next_rising(*t, f);
  ASSERT_TRUE(rising);
  const double days = (*rising - f.t2000) * 36525;
  EXPECT_GT(days, 0);
  EXPECT_LT(days, 1) << "the first rising, within a day";
  const ObjectRow& row = f.objects[static_cast<std::size_t>(t->index)];
  const Horizon h = altaz(rd * 15 * *row.ra_h, rd * *row.dec_deg, f.lat_obs, f.lon_obs, *rising,
                          f.ut_now + 24 * days);
  EXPECT_NEAR(h.alt, -standard_refraction, rising_altitude_tolerance);
  EXPECT_LT(h.az, pi) << "rising in the east";
}

TEST(SkyTarget, ThatNeverRisesHasNoRising) {
  Rig r;
  const FrameReport& f = r.start(2026, 12, 20, 21, 0);  // Tokyo, 35.69° N
  // Acrux (63° S) never clears Tokyo's horizon; Polaris never sets.
  for (const char* name : {"Acrux", "Polaris"}) {
    const std::optional<SkyTarget> t = find_target(name);
    ASSERT_TRUE(t) << name;
    EXPECT_FALSE(next_rising(*t, f)) << name << ": never below, or never above";
  }
}

TEST(SkyTarget, BelowHorizonText) {
  const auto at_utc = [](int yr, int mn, int dy, double ut) {
    return date_to_day(yr, mn, dy, ut).value().t2000;
  };
  const struct {
    std::optional<double> rising;
    const char* text;
  } cases[] = {
      {std::nullopt, "地平線の下です"},
      {at_utc(2026, 12, 9, 18.25), "地平線の下です（12月10日 3時15分に昇ります）"},
      {at_utc(2026, 12, 10, 14 + 59.8 / 60), "地平線の下です（12月11日 0時0分に昇ります）"},
  };
  for (const auto& c : cases) EXPECT_EQ(below_horizon_text(c.rising), c.text);
}

}  // namespace
}  // namespace hz
