// SPDX-License-Identifier: GPL-3.0-or-later
// 暦 as a user reads it, against the swetest fixture of tests/almanac: on a
// day of each principal phase, every body's rise, transit (with its altitude)
// and set as the page prints them, the phase's name and the time of the next
// phases of its table.
#include "steer/almanac_page.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "almanac/almanac_fixture.hpp"
#include "common/constants.hpp"

namespace hz {
namespace {

using testing::AlmanacFixtureDay;

// The page prints minutes, rounded, and transit altitudes to a tenth.
constexpr double printed_minute = 0.5;
constexpr double printed_degrees = 0.05;

// The text of the cells that follow the row headed `head`; none when there
// is no such row.
std::vector<std::string> row_cells(const std::string& html, const std::string& head) {
  std::vector<std::string> cells;
  std::size_t at = html.find("<tr><td>" + head + "</td>");
  if (at == std::string::npos) return cells;
  const std::size_t end = html.find("</tr>", at);
  at += head.size() + 13;
  while ((at = html.find("<td", at)) < end) {
    const std::size_t open = html.find('>', at) + 1, close = html.find("</td>", open);
    cells.push_back(html.substr(open, close - open));
    at = close;
  }
  return cells;
}

// "06:48" → minutes of the day; none for "--:--".
std::optional<double> minutes_of(const std::string& clock) {
  int h = 0, m = 0;
  if (std::sscanf(clock.c_str(), "%d:%d", &h, &m) != 2) return std::nullopt;
  return h * 60.0 + m;
}

TEST(AlmanacPage, ADayOfEachPhaseAsSwetestGivesIt) {
  const struct {
    int yr, mn, dy;
    const char* kind;        // the fixture's phase of the day
    const char* table_name;  // its row in the table of the next phases
    const char* day_name;    // the day's phase, after the Moon's age
  } days[] = {
      {1950, 9, 12, "new_moon", "朔", "新月"},         // Nagoya
      {1900, 1, 1, "new_moon", "朔", "新月"},          // Aomori, late in the evening
      {1900, 1, 8, "first_quarter", "上弦", "上弦"},   // Wakkanai
      {2051, 3, 19, "first_quarter", "上弦", "上弦"},  // Cape Town
      {1900, 1, 16, "full_moon", "望", "満月"},        // Kagoshima
      {1950, 9, 4, "last_quarter", "下弦", "下弦"},    // Tokyo
      {2051, 3, 6, "last_quarter", "下弦", "下弦"},    // Quito, west and south
  };
  static constexpr const char* names_ja[] = {"太陽", "月",   "水星",   "金星",   "火星",
                                             "木星", "土星", "天王星", "海王星", "冥王星"};
  const std::vector<AlmanacFixtureDay> fixture = testing::read_almanac_fixture();
  for (const auto& day : days) {
    std::vector<const AlmanacFixtureDay*> bodies;
    for (const AlmanacFixtureDay& f : fixture)
      if (f.yr == day.yr && f.mn == day.mn && f.dy == day.dy) bodies.push_back(&f);
    ASSERT_EQ(bodies.size(), 10u) << day.yr << "-" << day.mn << "-" << day.dy;
    const std::optional<std::string> html = almanac_page(
        bodies[0]->lon * rd, bodies[0]->lat * rd, {1.0 * day.yr, 1.0 * day.mn, 1.0 * day.dy});
    ASSERT_TRUE(html);
    SCOPED_TRACE(*html);

    char date[32];
    std::snprintf(date, sizeof date, "%d年%d月%d日", day.yr, day.mn, day.dy);
    EXPECT_NE(html->find(std::string(date) + "（日本時）"), std::string::npos);
    EXPECT_NE(html->find(std::string("（") + day.day_name + "）</p>"), std::string::npos);
    const std::vector<std::string> phase = row_cells(*html, day.table_name);
    ASSERT_EQ(phase.size(), 1u);
    ASSERT_EQ(phase[0].rfind(std::string(date) + " ", 0), 0u) << phase[0];
    const std::vector<double> swetest = testing::fixture_events(*bodies[1], day.kind);
    ASSERT_EQ(swetest.size(), 1u);
    EXPECT_NEAR(*minutes_of(phase[0].substr(phase[0].size() - 5)), swetest[0] * 60,
                testing::phase_minutes + printed_minute)
        << phase[0];

    for (int b = 0; b < 10; ++b) {
      const AlmanacFixtureDay& f = *bodies[b];
      ASSERT_EQ(f.body, testing::bodies[b].name);
      const double minutes = testing::bodies[b].minutes + printed_minute;
      const std::vector<std::string> row = row_cells(*html, names_ja[b]);
      ASSERT_EQ(row.size(), 3u) << f.body;
      const char* kinds[] = {"rise_35", "transit", "set_35"};
      for (int c = 0; c < 3; ++c) {
        const std::vector<double> hours = testing::fixture_events(f, kinds[c]);
        // An event within the tolerance of midnight may fall on either day.
        if (!hours.empty() && (hours[0] * 60 < minutes || (24 - hours[0]) * 60 < minutes)) continue;
        if (c != 1 && testing::grazes(f)) continue;
        const std::optional<double> ours = minutes_of(row[c]);
        ASSERT_EQ(ours.has_value(), !hours.empty()) << f.body << " " << kinds[c] << ": " << row[c];
        if (hours.empty()) continue;
        EXPECT_NEAR(*ours, hours[0] * 60, minutes) << f.body << " " << kinds[c] << ": " << row[c];
        if (c != 1) continue;
        double alt = 0;
        ASSERT_EQ(std::sscanf(row[c].c_str() + 5, " (%lf", &alt), 1) << row[c];
        EXPECT_NEAR(alt, f.events.at("transit")[0].alt,
                    testing::bodies[b].degrees + printed_degrees)
            << f.body << ": " << row[c];
      }
    }
  }
}

}  // namespace
}  // namespace hz
