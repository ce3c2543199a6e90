// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/progress_line.hpp"

#include <gtest/gtest.h>

namespace hz {
namespace {

// The time left is the time so far scaled by the frames still to draw.
TEST(ProgressLine, FramesDonePercentAndTimeLeft) {
  const struct {
    long done, total;
    double elapsed;
    const char* text;
  } cases[] = {
      {1, 4, 1.0, "1/4 frames, 25%, about 3 s left"},
      {300, 600, 90.2, "300/600 frames, 50%, about 1 min 30 s left"},
      {525599, 525600, 60, "525599/525600 frames, 99%, about 0 s left"},
      {1000, 525600, 2, "1000/525600 frames, 0%, about 17 min 29 s left"},
  };
  for (const auto& c : cases) EXPECT_EQ(progress_text(c.done, c.total, c.elapsed), c.text);
}

}  // namespace
}  // namespace hz
