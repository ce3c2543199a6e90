// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/name_text.hpp"

#include <gtest/gtest.h>

namespace hz {
namespace {

TEST(NameText, BlanksTrimmedAndAsciiLowered) {
  const struct {
    const char* typed;
    const char* compared;
    const char* why;
  } cases[] = {
      {"Sirius", "sirius", "ASCII letters lowered"},
      {"  JUPITER\t\n", "jupiter", "spaces, tabs and newlines trimmed"},
      {"\u3000札幌\u3000", "札幌", "the ideographic space trimmed"},
      {"Boötes", "boötes", "a byte beyond ASCII kept"},
      {"オリオン 座", "オリオン 座", "a blank inside kept"},
      {" \u3000 ", "", "blanks only"},
  };
  for (const auto& c : cases) EXPECT_EQ(ascii_lower(trim_blanks(c.typed)), c.compared) << c.why;
}

}  // namespace
}  // namespace hz
