// SPDX-License-Identifier: GPL-3.0-or-later
// Names as typed, made comparable: the places and the objects found by name.
#pragma once

#include <string>
#include <string_view>

namespace hz {

// A name without the blanks around it: spaces, tabs, newlines and the
// ideographic space (U+3000) a Japanese input method types.
std::string_view trim_blanks(std::string_view s);

// The text with the ASCII letters in lower case; other bytes (kanji, kana,
// "ö") as they are.
std::string ascii_lower(std::string_view s);

}  // namespace hz
