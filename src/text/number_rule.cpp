// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/number_rule.hpp"

#include <locale.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace hz {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

int digit_value(char c, int base) {
  int v = -1;
  if (is_digit(c)) v = c - '0';
  if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  return v < base ? v : -1;
}

// "&H1F" / "&O17": the digits after the prefix as a non-negative integer.
double read_radix_integer(const std::string& s, int base) {
  double value = 0;
  for (std::size_t i = 2; i < s.size(); ++i) {
    const int d = digit_value(s[i], base);
    if (d < 0) break;
    value = value * base + d;
  }
  return value;
}

// Converts a well-formed decimal literal independently of the process locale
// (the window's locale may use a decimal comma).
double c_locale_strtod(const std::string& literal) {
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
  return strtod_l(literal.c_str(), nullptr, c_locale);
}

// A character an input method types for an ASCII one of the rule, as UTF-8.
struct Folded {
  std::string_view utf8;
  char ascii;  // '\0': a blank, dropped
};

constexpr Folded kFolded[] = {
    {"\xEF\xBC\x90", '0'},  {"\xEF\xBC\x91", '1'}, {"\xEF\xBC\x92", '2'}, {"\xEF\xBC\x93", '3'},
    {"\xEF\xBC\x94", '4'},  {"\xEF\xBC\x95", '5'}, {"\xEF\xBC\x96", '6'}, {"\xEF\xBC\x97", '7'},
    {"\xEF\xBC\x98", '8'},  {"\xEF\xBC\x99", '9'}, {"\xEF\xBC\x8B", '+'},  // ＋ U+FF0B
    {"\xEF\xBC\x8D", '-'},                                                 // － U+FF0D
    {"\xE2\x88\x92", '-'},                                                 // − U+2212
    {"\xEF\xBC\x8E", '.'},                                                 // ． U+FF0E
    {"\xEF\xBC\xA5", 'E'},                                                 // Ｅ U+FF25
    {"\xEF\xBD\x85", 'e'},                                                 // ｅ U+FF45
    {"\xEF\xBC\xA4", 'D'},                                                 // Ｄ U+FF24
    {"\xEF\xBD\x84", 'd'},                                                 // ｄ U+FF44
    {"\xE3\x80\x80", '\0'},  // the ideographic space U+3000
};

bool is_ascii_blank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The ASCII blanks dropped.
std::string without_blanks(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (!is_ascii_blank(c)) s.push_back(c);
  }
  return s;
}

// The rule's number at the start of folded text, or nothing.
std::optional<double> leading_number(const std::string& s) {
  if (s.size() >= 2 && s[0] == '&') {
    const int base = s[1] == 'H' || s[1] == 'h' ? 16 : s[1] == 'O' || s[1] == 'o' ? 8 : 0;
    if (base == 0 || s.size() < 3 || digit_value(s[2], base) < 0) return std::nullopt;
    return read_radix_integer(s, base);
  }

  // The longest leading decimal number, rewritten as a C literal.
  std::string literal;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) literal.push_back(s[i++]);
  std::size_t mantissa_digits = 0;
  while (i < s.size() && is_digit(s[i])) {
    literal.push_back(s[i++]);
    ++mantissa_digits;
  }
  if (i < s.size() && s[i] == '.') {
    literal.push_back(s[i++]);
    while (i < s.size() && is_digit(s[i])) {
      literal.push_back(s[i++]);
      ++mantissa_digits;
    }
  }
  if (mantissa_digits == 0) return std::nullopt;

  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
    const std::size_t first_digit = j;
    while (j < s.size() && is_digit(s[j])) exponent.push_back(s[j++]);
    if (j > first_digit)
      literal += exponent;  // an exponent without digits is not part of the number
  }
  return c_locale_strtod(literal);
}

}  // namespace

std::string fold_to_ascii(std::string_view text) {
  // The ASCII blanks first, then one pass from the left: what dropping them
  // joins is read as it stands, and folding never joins bytes anew.
  const std::string s = without_blanks(text);
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const Folded* match = nullptr;
    if (static_cast<unsigned char>(s[i]) >= 0x80) {
      for (const Folded& f : kFolded) {
        if (s.compare(i, f.utf8.size(), f.utf8) == 0) {
          match = &f;
          break;
        }
      }
    }
    if (match) {
      if (match->ascii != '\0') out.push_back(match->ascii);
      i += match->utf8.size();
    } else {
      out.push_back(s[i++]);
    }
  }
  return out;
}

double read_number(std::string_view text) {
  return leading_number(fold_to_ascii(text)).value_or(0);
}

bool is_blank(std::string_view text) { return fold_to_ascii(text).empty(); }

bool begins_with_number(std::string_view text) {
  return leading_number(fold_to_ascii(text)).has_value();
}

}  // namespace hz
