// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace hz {

// Reads the text of an input field as a number, the way every field is read.
//
// Given:    text   what the user typed (UTF-8)
// Returned: the value. Blanks, tabs and line feeds anywhere are ignored; the
//           longest leading decimal number is taken (optional sign, digits, an
//           optional point with digits, an optional exponent E or D with sign
//           and digits; the point is always "."); "&H" or "&O" followed by
//           digits reads a hexadecimal or octal integer; anything else, or
//           nothing, reads as 0.
// Notes:    a number beyond the double range reads as +/-infinity (and a tiny
//           one as 0): callers decide what a non-finite value means. The result
//           is never NaN.
double read_number(std::string_view text);

}  // namespace hz
