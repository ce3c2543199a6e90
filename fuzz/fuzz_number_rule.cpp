// SPDX-License-Identifier: GPL-3.0-or-later
// The number rule on any text a field can hold, UTF-8 or not: never NaN, and
// blanks (spaces, tabs and line feeds, wherever they are) change nothing, and
// neither do digits typed full-width (０-９ for 0-9).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_input.hpp"
#include "text/number_rule.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = hz::read_number(text);
  if (std::isnan(value)) hz::fuzz::fail("fuzz_number_rule", "NaN");

  std::string packed;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') packed.push_back(c);
  }
  const double packed_value = hz::read_number(packed);
  // Bit for bit, so that -0 and 0 count as different.
  if (std::signbit(value) != std::signbit(packed_value) || !(value == packed_value)) {
    hz::fuzz::fail("fuzz_number_rule", "the blanks changed the value");
  }

  std::string wide;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      wide += "\xEF\xBC";
      wide.push_back(static_cast<char>(0x90 + (c - '0')));
    } else {
      wide.push_back(c);
    }
  }
  const double wide_value = hz::read_number(wide);
  if (std::signbit(value) != std::signbit(wide_value) || !(value == wide_value)) {
    hz::fuzz::fail("fuzz_number_rule", "full-width digits changed the value");
  }
  return 0;
}
