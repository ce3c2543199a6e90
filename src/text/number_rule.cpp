// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/number_rule.hpp"

#include <locale.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
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

}  // namespace

double read_number(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);
  }

  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return read_radix_integer(s, 16);
    if (s[1] == 'O' || s[1] == 'o') return read_radix_integer(s, 8);
    return 0;
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
  if (mantissa_digits == 0) return 0;

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

}  // namespace hz
