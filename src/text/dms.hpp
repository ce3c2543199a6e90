// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hz {

// A decimal quantity split into a whole part and minutes.
struct Dms {
  char sgn;    // '+' if the value was >= 0, else '-'
  double deg;  // whole part (degrees or hours)
  double min;  // minutes, 0 <= min < 60, with the requested decimals
};

// Splits a decimal value into a whole part and minutes, rounding the total
// before the split so that a hair below a whole number carries (5.9999 h with
// no decimals gives 6 and 0, never 5 and 60).
//
// Given:    dd_dms   the value; on return it holds its absolute value
//           c_dms    unit text: exactly "min" or "MIN"
//           p_dms    decimal places kept in the minutes (0 = whole minutes)
// Returned: the sign, whole part and minutes; nothing for any other unit
//           text, which the program never uses (dd_dms is then untouched).
std::optional<Dms> dms(double& dd_dms, std::string_view c_dms, int p_dms);

}  // namespace hz
