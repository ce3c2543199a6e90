// SPDX-License-Identifier: GPL-3.0-or-later
// Every stored input of every fuzz target's seed corpus, run through the
// target: a crash or a failed check found once stays found.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_input.hpp"

extern "C" int hz_fuzz_number_rule_one_input(const std::uint8_t* data, std::size_t size);
extern "C" int hz_fuzz_session_one_input(const std::uint8_t* data, std::size_t size);
extern "C" int hz_fuzz_session_initialize(int* argc, char*** argv);
extern "C" int hz_fuzz_calendar_one_input(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> read_bytes(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

TEST(FuzzCorpus, EveryStoredInputPassesItsTarget) {
  const struct {
    const char* target;
    int (*one_input)(const std::uint8_t*, std::size_t);
  } targets[] = {
      {"fuzz_number_rule", hz_fuzz_number_rule_one_input},
      {"fuzz_session", hz_fuzz_session_one_input},
      {"fuzz_calendar", hz_fuzz_calendar_one_input},
  };
  hz_fuzz_session_initialize(nullptr, nullptr);

  for (const auto& t : targets) {
    const fs::path dir = fs::path(HZ_FUZZ_CORPUS_DIR) / t.target;
    ASSERT_TRUE(fs::is_directory(dir)) << dir;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
      if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    EXPECT_FALSE(files.empty()) << t.target << " has no seeds";

    for (const fs::path& file : files) {
      const std::vector<std::uint8_t> bytes = read_bytes(file);
      try {
        EXPECT_EQ(t.one_input(bytes.data(), bytes.size()), 0) << file;
      } catch (const hz::fuzz::CheckFailed& e) {
        ADD_FAILURE() << file << ": " << e.what();
      }
    }
  }
}

}  // namespace
