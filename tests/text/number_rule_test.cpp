// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/number_rule.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace hz {
namespace {

struct Case {
  const char* why;
  const char* text;
  double value;
};

TEST(NumberRule, ReadsTheLeadingNumber) {
  const Case cases[] = {
      {"empty reads as 0", "", 0},
      {"a lone blank reads as 0", " ", 0},
      {"blank before digits is ignored", " 10", 10},
      {"digits followed by letters", "12abc", 12},
      {"letters alone", "abc", 0},
      {"blank between digits is ignored", "1 5", 15},
      {"tab and line feed are ignored", "1\t2\n3", 123},
      {"exponent E", "1.5E1", 15},
      {"exponent D", "1.5D1", 15},
      {"lower-case exponent", "2e3", 2000},
      {"negative exponent", "25e-1", 2.5},
      {"exponent without digits is not part of the number", "7E", 7},
      {"exponent sign without digits", "7E+", 7},
      {"sign and blank", "- 5", -5},
      {"plus sign", "+8", 8},
      {"point without leading digit", ".5", 0.5},
      {"trailing point", "5.", 5},
      {"a second point ends the number", "1.2.3", 1.2},
      {"a comma is not a decimal point", "1,5", 1},
      {"a sign alone", "-", 0},
      {"a point alone", ".", 0},
      {"hexadecimal", "&H1F", 31},
      {"hexadecimal lower case", "&hff", 255},
      {"octal", "&O17", 15},
      {"hex stops at a non-digit", "&H1G", 1},
      {"ampersand with anything else", "&X5", 0},
      {"full-width digits are not digits", "\xEF\xBC\x91\xEF\xBC\x92", 0},
      {"negative zero minute", "-0", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(read_number(c.text), c.value) << c.why << ": \"" << c.text << "\"";
  }
}

TEST(NumberRule, NumbersBeyondTheDoubleRangeAreInfiniteNeverNaN) {
  EXPECT_EQ(read_number("1e999"), INFINITY);
  EXPECT_EQ(read_number("-1E999"), -INFINITY);
  EXPECT_EQ(read_number(std::string(400, '9')), INFINITY);
  EXPECT_EQ(read_number("1e-999"), 0.0);
  EXPECT_EQ(read_number("1e99999999999999999999999"), INFINITY);
  EXPECT_EQ(read_number("&H" + std::string(300, 'F')), INFINITY);
}

TEST(NumberRule, DecimalPointIsAlwaysAPointWhateverTheLocale) {
  // The window's process locale may use a decimal comma.
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    std::setlocale(LC_NUMERIC, "C.UTF-8");
  }
  EXPECT_EQ(read_number("2.75"), 2.75);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace hz
