// SPDX-License-Identifier: GPL-3.0-or-later
// Every golden frame is drawn as it was when the fixture was made.
#include "cli/golden_frames.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

namespace hz::testing {
namespace {

std::map<std::string, std::string> read_fixture() {
  std::map<std::string, std::string> lines;
  std::ifstream in(HZ_GOLDEN_FRAMES);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines[line.substr(0, line.find('\t'))] = line;
  }
  return lines;
}

TEST(GoldenFrames, EveryFrameHasTheCommittedPixelsAndTable) {
  const auto fixture = read_fixture();
  const auto frames = draw_golden_frames();
  ASSERT_GE(frames.size(), 200u);
  EXPECT_EQ(frames.size(), fixture.size()) << "frames drawn and fixture lines differ in number";
  for (const GoldenFrame& f : frames) {
    const auto it = fixture.find(f.name);
    ASSERT_NE(it, fixture.end()) << f.name << " is not in the fixture";
    EXPECT_EQ(golden_line(f), it->second) << "drawn / committed";
  }
}

}  // namespace
}  // namespace hz::testing
