// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac's rows as a user reads them in --almanac's file, against the
// swetest fixture of tests/almanac: every body's and every event's row, its
// names, its time stamp, azimuth and altitude, and the Moon's age row.
#include "cli/almanac_table.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "almanac/almanac_fixture.hpp"
#include "common/constants.hpp"

namespace hz {
namespace {

using testing::AlmanacFixtureDay;

// Centuries from J2000.0 at 12:00 JST of a Gregorian date (Meeus, ch. 7).
double noon_jst_t2000(int y, int m, int d) {
  if (m <= 2) y -= 1, m += 12;
  const int a = y / 100, b = 2 - a + a / 4;
  const double jd =
      std::floor(365.25 * (y + 4716)) + std::floor(30.6001 * (m + 1)) + d + b - 1524.5;
  return (jd + 3.0 / 24 - 2451545.0) / 36525;
}

std::vector<std::vector<std::string>> rows_of(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> cell;
    std::istringstream row(line);
    for (std::string c; std::getline(row, c, '\t');) cell.push_back(c);
    cell.resize(7);
    rows.push_back(cell);
  }
  return rows;
}

double hours_of(const std::string& stamp) {  // "1950-09-12 12:28:50"
  return std::stoi(stamp.substr(11, 2)) + std::stoi(stamp.substr(14, 2)) / 60.0 +
         std::stoi(stamp.substr(17, 2)) / 3600.0;
}

// The altitude column at a rising or setting, degrees: the centre 35' below
// the horizon, the Sun's a semi-diameter (15.8' to 16.3') lower still.
constexpr double refraction_deg = 35.0 / 60;

TEST(AlmanacTable, EveryRowAsSwetestGivesIt) {
  const struct {
    int yr, mn, dy;
    // The Moon's age at noon, from swetest's new moon of 1900-01-01 at
    // 22.866 h JST (the fixture's Aomori day): 6 days 13.134 h, 14 days
    // 13.134 h; none where swetest's new moon before is not in the fixture.
    double age;
    const char* why;
  } days[] = {
      {1950, 9, 12, NAN, "Nagoya: new moon at 12:28 JST, after the age's noon"},
      {1900, 1, 8, 6.547, "Wakkanai: first quarter"},
      {1900, 1, 16, 14.547, "Kagoshima: full moon"},
      {1950, 9, 4, NAN, "Tokyo: last quarter"},
  };
  const std::vector<AlmanacFixtureDay> fixture = testing::read_almanac_fixture();
  for (const auto& day : days) {
    SCOPED_TRACE(day.why);
    std::vector<const AlmanacFixtureDay*> bodies;
    for (const AlmanacFixtureDay& f : fixture)
      if (f.yr == day.yr && f.mn == day.mn && f.dy == day.dy) bodies.push_back(&f);
    ASSERT_EQ(bodies.size(), 10u);
    const double lon = bodies[0]->lon, lat = bodies[0]->lat;
    const std::optional<std::string> text =
        almanac_table({lon * rd, lat * rd, noon_jst_t2000(day.yr, day.mn, day.dy)}, 1);
    ASSERT_TRUE(text);
    const auto rows = rows_of(*text);
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", day.yr, day.mn, day.dy);
    int age_rows = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
      const auto& r = rows[i];
      SCOPED_TRACE(*text);
      EXPECT_EQ(r[0], date);
      EXPECT_EQ(r[3].substr(0, 11), std::string(date) + " ");
      if (r[2] == "moon_age") {
        ++age_rows;
        EXPECT_EQ(r[1], "Moon");
        EXPECT_EQ(r[3].substr(11), "12:00:00");
        EXPECT_EQ(r[4] + r[5], "");
        // Printed to a tenth; the new moon is the theory's, within
        // phase_minutes of swetest's.
        if (!std::isnan(day.age)) {
          EXPECT_NEAR(std::stod(r[6]), day.age, 0.05 + testing::phase_minutes / 1440) << r[6];
        }
        EXPECT_EQ(r[6].size(), r[6].find('.') + 2) << "one decimal: " << r[6];
        continue;
      }
      EXPECT_EQ(r[6], "");
    }
    EXPECT_EQ(age_rows, 1);
    // Each of swetest's events is a row, and each row one of swetest's
    // events; a rising or setting is one at the standard 35', not swetest's
    // geometric horizon, so only its altitude is checked.
    for (const AlmanacFixtureDay* f : bodies) {
      int b = 0;
      while (f->body != testing::bodies[b].name) ++b;
      for (int k = 0; k < 13; ++k) {
        const bool phase = k >= 9, twilight = !phase && k >= 3;
        const double minutes = phase      ? testing::phase_minutes
                               : twilight ? testing::twilight_minutes
                                          : testing::bodies[b].minutes;
        std::vector<const std::vector<std::string>*> ours;
        for (const auto& r : rows)
          if (r[1] == f->body && r[2] == testing::kind_names[k]) ours.push_back(&r);
        const auto it = f->events.find(testing::kind_names[k]);
        if (k <= 1) {
          for (const auto* r : ours) {
            const double alt = std::stod((*r)[5]);
            if (f->body == "Sun")
              EXPECT_TRUE(alt < -refraction_deg - 0.26 && alt > -refraction_deg - 0.28) << alt;
            else
              EXPECT_NEAR(alt, -refraction_deg, 0.006);
          }
          continue;
        }
        const std::size_t expected = it == f->events.end() ? 0 : it->second.size();
        ASSERT_EQ(ours.size(), expected) << f->body << " " << testing::kind_names[k];
        for (std::size_t i = 0; i < expected; ++i) {
          const auto& r = *ours[i];
          const auto& e = it->second[i];
          EXPECT_NEAR(hours_of(r[3]) * 60, e.hours * 60, minutes + 1.0 / 60) << r[1] << " " << r[2];
          if (phase) {
            EXPECT_EQ(r[4] + r[5], "") << r[2];
            continue;
          }
          // Printed to a hundredth of a degree.
          EXPECT_NEAR(std::stod(r[5]), e.alt, testing::bodies[b].degrees + 0.005)
              << r[1] << " " << r[2];
          double daz = std::stod(r[4]) - e.az;
          daz -= 360 * std::nearbyint(daz / 360);
          EXPECT_LE(std::fabs(daz) * std::cos(e.alt * rd), testing::bodies[b].degrees + 0.005)
              << r[1] << " " << r[2] << " azimuth " << r[4];
        }
      }
    }
  }
}

}  // namespace
}  // namespace hz
