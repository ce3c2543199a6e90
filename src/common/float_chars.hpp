// SPDX-License-Identifier: GPL-3.0-or-later
// A double as text with a given precision, fixed or general, as
// std::to_chars writes it: what printf's "%.*f" and "%.*g" write in the C
// locale. The web edition's library (libc++ 14, Debian's Emscripten) has no
// floating-point to_chars; there printf itself writes it, and the web
// edition never leaves the C locale, so the text is the same.
#pragma once

#include <charconv>
#include <version>

#ifndef __cpp_lib_to_chars
#include <cstdio>
#include <system_error>
#endif

namespace hz {

inline std::to_chars_result float_to_chars(char* first, char* last, double v,
                                           std::chars_format format, int precision) {
#ifdef __cpp_lib_to_chars
  return std::to_chars(first, last, v, format, precision);
#else
  const char* pattern = format == std::chars_format::fixed ? "%.*f" : "%.*g";
  const auto room = static_cast<std::size_t>(last - first);
  // snprintf writes a terminating zero the result does not have: one more.
  char buf[512];
  const int n = std::snprintf(buf, sizeof buf, pattern, precision, v);
  if (n < 0 || static_cast<std::size_t>(n) > room || static_cast<std::size_t>(n) >= sizeof buf)
    return {last, std::errc::value_too_large};
  for (int i = 0; i < n; ++i) first[i] = buf[i];
  return {first + n, std::errc{}};
#endif
}

}  // namespace hz
