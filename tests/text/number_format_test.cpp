// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/number_format.hpp"

#include <gtest/gtest.h>

#include "text/dms.hpp"

namespace hz {
namespace {

struct FormatCase {
  const char* why;
  double value;
  const char* pattern;
  const char* text;
};

TEST(NumberFormat, Patterns) {
  const FormatCase cases[] = {
      {"year fills its digits", 2026, "#### 年", "2026 年"},
      {"one-digit month has no leading zero", 7, "## 月", "7 月"},
      {"two-digit day", 12, "## 日", "12 日"},
      {"zero with # shows no digit", 0, "## 月", " 月"},
      {"hour gets a leading zero", 8, "00 時", "08 時"},
      {"minute with the JST suffix", 5, "00 分 (JST)", "05 分 (JST)"},
      {"zero with 0 shows the zeros", 0, "00 時", "00 時"},
      {"more digits than placeholders", 123456, "#### 年", "123456 年"},
      {"negative year", -45, "#### 年", "-45 年"},
      {"negative with zeros", -5, "00 時", "-05 時"},
      {"rounded to whole, half to even", 2.5, "00 時", "02 時"},
      {"rounded to whole", 7.6, "## 日", "8 日"},
      {"no placeholder copies the pattern", 5, "abc", "abc"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(format_number(c.value, c.pattern), c.text) << c.why;
  }
}

TEST(NumberFormat, CaptionLineExample) {
  EXPECT_EQ(format_number(2026, "#### 年") + format_number(12, "## 月") + format_number(7, "## 日"),
            "2026 年12 月7 日");
  EXPECT_EQ(format_number(8, "00 時") + format_number(5, "00 分 (JST)"), "08 時05 分 (JST)");
}

struct DmsCase {
  const char* why;
  double in;
  int places;
  char sgn;
  double deg, min, abs_after;
};

TEST(Dms, SplitsWithRoundingAndCarry) {
  const DmsCase cases[] = {
      {"half hour", 7.5, 0, '+', 7, 30, 7.5},
      {"479.4 minutes round down", 7.99, 0, '+', 7, 59, 7.99},
      {"479.7 minutes carry into the hour", 7.995, 0, '+', 8, 0, 7.995},
      {"a hair below six carries", 5.9999, 0, '+', 6, 0, 5.9999},
      {"negative with one decimal", -2.25, 1, '-', 2, 15.0, 2.25},
      {"tiny negative at midnight", -0.0001, 0, '-', 0, 0, 0.0001},
      {"just below 24 h shows 24 00", 23.9999, 0, '+', 24, 0, 23.9999},
  };
  for (const auto& c : cases) {
    double v = c.in;
    const auto r = dms(v, "min", c.places);
    ASSERT_TRUE(r.has_value()) << c.why;
    EXPECT_EQ(r->sgn, c.sgn) << c.why;
    EXPECT_EQ(r->deg, c.deg) << c.why;
    EXPECT_DOUBLE_EQ(r->min, c.min) << c.why;
    EXPECT_EQ(v, c.abs_after) << c.why << ": the caller's value becomes its absolute value";
  }
}

TEST(Dms, UnitTextIsComparedExactly) {
  double v = 1.5;
  EXPECT_TRUE(dms(v, "MIN", 0).has_value());
  EXPECT_FALSE(dms(v, "Min", 0).has_value());
  EXPECT_FALSE(dms(v, "sec", 0).has_value());
  EXPECT_EQ(v, 1.5);
}

}  // namespace
}  // namespace hz
