// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/number_format.hpp"

#include <cmath>

#include "text/decimal_text.hpp"

namespace hz {
namespace {

bool is_placeholder(char c) { return c == '#' || c == '0'; }

// The decimal digits of a whole, non-negative number of any size.
std::string whole_digits(double whole) { return fixed_text(whole, 0); }

}  // namespace

std::string format_number(double value, std::string_view pattern) {
  const std::size_t first = pattern.find_first_of("#0");
  if (first == std::string_view::npos) return std::string(pattern);
  std::size_t last = first;
  std::size_t always_shown = 0;
  while (last < pattern.size() && is_placeholder(pattern[last])) {
    if (pattern[last] == '0') ++always_shown;
    ++last;
  }

  const double whole = std::nearbyint(value);
  std::string digits = whole == 0 ? std::string() : whole_digits(std::fabs(whole));
  if (digits.size() < always_shown) digits.insert(0, always_shown - digits.size(), '0');
  if (whole < 0) digits.insert(0, 1, '-');

  std::string out(pattern.substr(0, first));
  out += digits;
  out += pattern.substr(last);
  return out;
}

}  // namespace hz
