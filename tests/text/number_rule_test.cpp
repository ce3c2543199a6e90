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
      {"negative zero minute", "-0", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(read_number(c.text), c.value) << c.why << ": \"" << c.text << "\"";
  }
}

// What a Japanese input method types reads bit for bit as its ASCII form.
TEST(NumberRule, FullWidthTextReadsAsItsAsciiForm) {
  const struct {
    const char* why;
    const char* typed;
    const char* ascii;
  } cases[] = {
      {"full-width digits and point", "１３９．７４", "139.74"},
      {"a year", "２０２７", "2027"},
      {"full-width minus", "－３５．６８", "-35.68"},
      {"the minus sign U+2212", "−５", "-5"},
      {"full-width plus", "＋８", "+8"},
      {"full-width exponent letters", "１．５Ｅ１ ２ｅ３", "1.5E1 2e3"},
      {"a negative zero keeps its sign", "－０", "-0"},
      {"the ideographic space is a blank", "　１　５", " 1 5"},
      {"full-width and ASCII mixed", "1３.5", "13.5"},
      {"other full-width letters end the number", "１２ａ", "12a"},
      {"a full-width letter first is not a number", "ａ１", "a1"},
  };
  for (const auto& c : cases) {
    const double typed = read_number(c.typed), ascii = read_number(c.ascii);
    EXPECT_TRUE(typed == ascii && std::signbit(typed) == std::signbit(ascii))
        << c.why << ": " << c.typed << " reads " << typed << ", " << c.ascii << " " << ascii;
  }
}

// A field that reads as 0 only for want of a number, as the window tells it.
TEST(NumberRule, TellsABlankFieldFromOneWithoutANumber) {
  const struct {
    const char* why;
    const char* text;
    bool blank, number;
  } cases[] = {
      {"empty", "", true, false},
      {"the start text of the place", " ", true, false},
      {"the ideographic space", "　", true, false},
      {"a number", " 0", false, true},
      {"a full-width number", "１３９", false, true},
      {"letters", "abc", false, false},
      {"a sign alone", "-", false, false},
      {"a point alone", ".", false, false},
      {"hexadecimal", "&H1F", false, true},
      {"a hexadecimal prefix without digits", "&HG", false, false},
      {"the degree sign first", "°35", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(is_blank(c.text), c.blank) << c.why;
    EXPECT_EQ(begins_with_number(c.text), c.number) << c.why;
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
