// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as text with a decimal point whatever the locale. Qt sets the
// process locale from LANG and LC_ALL, after which printf writes "0,27" under
// a German locale; std::to_chars (common/float_chars.hpp) writes what printf
// writes in the C locale.
#pragma once

#include <string>

namespace hz {

// As printf's "%0<width>.<decimals>f" in the C locale: zeros after the sign
// fill the text up to width characters (0: no filling).
std::string fixed_text(double v, int decimals, int width = 0);

// As printf's "%.<digits>g" in the C locale.
std::string general_text(double v, int digits);

}  // namespace hz
