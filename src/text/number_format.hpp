// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace hz {

// Formats a number with a display pattern such as "#### 年" or "00 時".
//
// Given:    value     the number; it is rounded to a whole number (halves to
//                     the even neighbour), since the patterns have no point
//           pattern   UTF-8; one run of placeholders: "#" a digit shown only
//                     when significant (a value of 0 shows no digit), "0" a
//                     digit always shown; every other character is copied
// Returned: the text; a value with more digits than placeholders shows all
//           of them, a negative value is preceded by "-".
std::string format_number(double value, std::string_view pattern);

}  // namespace hz
