// SPDX-License-Identifier: GPL-3.0-or-later
// The designations of the hover tip: Bayer letters in Greek.
#include "text/object_names.hpp"

#include <gtest/gtest.h>

namespace hz {
namespace {

TEST(ObjectNames, BayerLettersAreWrittenInGreek) {
  struct Case {
    const char* why;
    const char* designation;
    const char* shown;
  } const cases[] = {
      {"a built-in star", "alp CMa", "α CMa"},
      {"a two-letter abbreviation", "mu Cep", "μ Cep"},
      {"a numbered letter of the built-in table", "alp2 Cen", "α² Cen"},
      {"a numbered two-letter abbreviation padded by a space", "pi 3Ori", "π³ Ori"},
      {"two digits", "ome12Sco", "ω¹² Sco"},
      {"the last of the alphabet", "ome Cap", "ω Cap"},
      {"Flamsteed numbers stay", "51 And", "51 And"},
      {"Latin letters stay", "c Psc", "c Psc"},
      {"catalogue numbers stay", "HIP 107", "HIP 107"},
      {"no designation", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(greek_designation(c.designation), c.shown) << c.why;
}

}  // namespace
}  // namespace hz
