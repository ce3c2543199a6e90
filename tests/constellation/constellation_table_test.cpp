// SPDX-License-Identifier: GPL-3.0-or-later
// The constellation table and its figures: every constellation named and
// drawn, every line ending on a star of the tables, the Big Dipper whole.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <set>
#include <string>
#include <string_view>

#include "constellation/constellations.hpp"
#include "constellation/extended_stars.hpp"

namespace hz {
namespace {

bool ends_with(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// Names in full, figures laid end to end in figure_lines, abbreviations
// distinct: a regeneration that loses a name or a figure fails here.
TEST(Constellations, EachNamedWithItsOwnFigure) {
  std::set<std::string> abbreviations;
  std::size_t next_line = 0;
  for (const Constellation& c : constellations) {
    EXPECT_EQ(std::strlen(c.abbreviation), 3u) << c.abbreviation;
    EXPECT_TRUE(abbreviations.insert(c.abbreviation).second) << c.abbreviation << " twice";
    EXPECT_GT(std::strlen(c.latin), 2u) << c.abbreviation;
    EXPECT_TRUE(ends_with(c.japanese, "座")) << c.abbreviation << ": " << c.japanese;
    EXPECT_GE(c.line_count, 1) << c.abbreviation << " has no figure";
    EXPECT_EQ(c.first_line, next_line) << c.abbreviation;
    next_line = c.first_line + c.line_count;
    EXPECT_GE(c.label_ra_h, 0);
    EXPECT_LT(c.label_ra_h, 24);
    EXPECT_LE(std::abs(c.label_dec_deg), 90);
  }
  EXPECT_EQ(next_line, figure_lines.size());
  EXPECT_STREQ(constellations[0].japanese, "アンドロメダ座");
}

// A line ends on a row of the table it names, and joins two stars.
TEST(Constellations, EveryLineEndIsATableStar) {
  auto valid = [](StarRef s) {
    const int rows = s.table == StarTable::builtin ? star_count : extended_star_count;
    return s.row >= 1 && s.row <= rows;
  };
  for (std::size_t k = 0; k < figure_lines.size(); ++k) {
    const FigureLine& line = figure_lines[k];
    ASSERT_TRUE(valid(line.from)) << "line " << k;
    ASSERT_TRUE(valid(line.to)) << "line " << k;
    EXPECT_FALSE(line.from.table == line.to.table && line.from.row == line.to.row)
        << "line " << k << " joins a star to itself";
  }
}

// The Big Dipper's handle and bowl: its seven stars, all among the built-in
// 300, joined in order by six lines of Ursa Major's figure.
TEST(Constellations, BigDipperJoinsItsSevenStars) {
  const char* const dipper[] = {"Dubhe", "Merak", "Phecda", "Megrez", "Alioth", "Mizar", "Alkaid"};
  const Constellation* uma = nullptr;
  for (const Constellation& c : constellations) {
    if (std::string_view(c.abbreviation) == "UMa") uma = &c;
  }
  ASSERT_NE(uma, nullptr);
  EXPECT_STREQ(uma->japanese, "おおぐま座");

  auto joins = [&](const char* a, const char* b) {
    for (int k = uma->first_line; k < uma->first_line + uma->line_count; ++k) {
      const FigureLine& line = figure_lines[static_cast<std::size_t>(k)];
      const std::string_view from = star_name(line.from).proper;
      const std::string_view to = star_name(line.to).proper;
      if ((from == a && to == b) || (from == b && to == a)) return true;
    }
    return false;
  };
  for (std::size_t k = 0; k + 1 < std::size(dipper); ++k) {
    EXPECT_TRUE(joins(dipper[k], dipper[k + 1])) << dipper[k] << " - " << dipper[k + 1];
  }
}

}  // namespace
}  // namespace hz
