// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
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
//           nothing, reads as 0. What an input method types reads as what it
//           stands for (fold_to_ascii): 「１３９．７４」 as "139.74".
// Notes:    a number beyond the double range reads as +/-infinity (and a tiny
//           one as 0): callers decide what a non-finite value means. The result
//           is never NaN.
double read_number(std::string_view text);

// Whether the text holds nothing but blanks (spaces, tabs, line feeds and the
// ideographic space U+3000), or nothing at all.
bool is_blank(std::string_view text);

// Whether read_number finds a number at the start of the text; false when it
// reads 0 only for want of one (「abc」, 「-」, 「&H」), or the text is blank.
bool begins_with_number(std::string_view text);

// The text with the blanks ignored (ASCII ones, then the ideographic space)
// and the full-width digits ０-９, signs ＋ －, the minus sign −, the
// full-width point ．and the exponent letters ｅ Ｅ ｄ Ｄ as their ASCII forms;
// every other byte as it is. ASCII text comes back without its blanks, else
// unchanged.
std::string fold_to_ascii(std::string_view text);

}  // namespace hz
