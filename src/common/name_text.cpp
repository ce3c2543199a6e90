// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/name_text.hpp"

namespace hz {

std::string_view trim_blanks(std::string_view s) {
  constexpr std::string_view ideographic_space = "\u3000";
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  for (;;) {
    if (!s.empty() && blank(s.front())) {
      s.remove_prefix(1);
    } else if (!s.empty() && blank(s.back())) {
      s.remove_suffix(1);
    } else if (s.starts_with(ideographic_space)) {
      s.remove_prefix(ideographic_space.size());
    } else if (s.ends_with(ideographic_space)) {
      s.remove_suffix(ideographic_space.size());
    } else {
      return s;
    }
  }
}

std::string ascii_lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

}  // namespace hz
