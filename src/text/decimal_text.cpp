// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/decimal_text.hpp"

#include <charconv>

#include "common/float_chars.hpp"

namespace hz {
namespace {

// Room for any double in fixed notation (309 digits before the point).
constexpr int kRoom = 400;

std::string chars(double v, std::chars_format format, int precision) {
  char buf[kRoom];
  const auto r = float_to_chars(buf, buf + kRoom, v, format, precision);
  return std::string(buf, r.ptr);
}

}  // namespace

std::string fixed_text(double v, int decimals, int width) {
  std::string s = chars(v, std::chars_format::fixed, decimals);
  const std::size_t sign = !s.empty() && s[0] == '-' ? 1 : 0;
  if (static_cast<int>(s.size()) < width)
    s.insert(sign, static_cast<std::size_t>(width) - s.size(), '0');
  return s;
}

std::string general_text(double v, int digits) {
  return chars(v, std::chars_format::general, digits);
}

}  // namespace hz
