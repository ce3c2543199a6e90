// hoshizora-render run as a user runs it: exit status, outputs, messages.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/object_layout.hpp"

namespace {

struct CliRun {
  int status;
  std::string out;
};

// Runs a shell command line, standard error with standard output.
CliRun run_command(const std::string& command) {
  const std::string cmd = command + " 2>&1";
  CliRun r{-1, {}};
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return r;
  std::array<char, 4096> buf;
  while (std::fgets(buf.data(), buf.size(), p)) r.out += buf.data();
  const int w = pclose(p);
  r.status = WIFEXITED(w) ? WEXITSTATUS(w) : -1;
  return r;
}

// Runs the renderer with the given arguments (already quoted for the shell).
CliRun run(const std::string& args) {
  return run_command(std::string("'") + HOSHIZORA_RENDER + "' " + args);
}

std::vector<std::string> lines_of(const std::string& s) {
  std::vector<std::string> v;
  std::istringstream in(s);
  for (std::string l; std::getline(in, l);) v.push_back(l);
  return v;
}

const char* const kNight =
    "--longitude 139.7 --latitude 35.7 --year 2026 --month 12 --day 7 --hour 21 --minute 0";

TEST(RenderCli, HelpExplainsAndSucceeds) {
  const CliRun r = run("--help");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("--view-altitude"), std::string::npos);
}

// With no display to open, a program that tried to open a window would fail.
TEST(RenderCli, BothProgramsAnswerVersionWithoutAWindow) {
  const struct {
    const char* program;
    const char* name;
  } cases[] = {{HOSHIZORA_RENDER, "hoshizora-render"}, {HOSHIZORA_WINDOW, "hoshizora"}};
  for (const auto& c : cases) {
    const CliRun r =
        run_command(std::string("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb '") +
                    c.program + "' --version");
    EXPECT_EQ(r.status, 0) << c.name << ": " << r.out;
    EXPECT_EQ(r.out, std::string(c.name) + " " + HOSHIZORA_VERSION + "\n");
  }
}

TEST(RenderCli, TableHasHeaderAndEveryObject) {
  const CliRun r = run(std::string(kNight) + " --frames 3 --table -");
  ASSERT_EQ(r.status, 0) << r.out;
  std::vector<std::string> rows;
  int comments = 0;
  for (const auto& l : lines_of(r.out)) {
    if (l.rfind("# ", 0) == 0)
      ++comments;
    else if (!l.empty() && (l[0] >= '0' && l[0] <= '9'))
      rows.push_back(l);
  }
  EXPECT_EQ(comments, 6);
  ASSERT_EQ(rows.size(), std::size_t{hz::moon_index});
  EXPECT_EQ(rows.front().substr(0, 2), "1\t");
  EXPECT_EQ(rows.back().substr(0, 4), std::to_string(hz::moon_index) + "\t");
  EXPECT_NE(r.out.find("# caption\t21 時02 分 (JST)"), std::string::npos) << "the third frame";
  EXPECT_NE(
      r.out.find("index\tra_h\tdec_deg\talt_rad\taz_rad\td_rad\txp\typ\tdrawn\tmag\tcode\tname\n"),
      std::string::npos);
  struct Named {
    int index;
    const char* name;
  } const names[] = {{79, "alp CMa Sirius"}, {4, "bet Hyi"}, {305, "Mars"}, {311, "Moon"}};
  for (const Named& n : names) {
    const std::string& row = rows[static_cast<std::size_t>(n.index - 1)];
    EXPECT_EQ(row.substr(row.rfind('\t') + 1), n.name) << n.index;
    EXPECT_EQ(std::count(row.begin(), row.end(), '\t'), 11) << n.index;
  }
}

TEST(RenderCli, PngIsTheFrameSize) {
  const std::string path = ::testing::TempDir() + "hoshizora_cli.png";
  const CliRun r = run(std::string(kNight) + " --png '" + path + "'");
  ASSERT_EQ(r.status, 0) << r.out;
  std::ifstream f(path, std::ios::binary);
  std::array<unsigned char, 24> head{};
  f.read(reinterpret_cast<char*>(head.data()), head.size());
  ASSERT_TRUE(f.good());
  EXPECT_EQ(head[1], 'P');
  const auto be32 = [&](int i) {
    return (head[i] << 24) | (head[i + 1] << 16) | (head[i + 2] << 8) | head[i + 3];
  };
  EXPECT_EQ(be32(16), 641);
  EXPECT_EQ(be32(20), 665);
  std::remove(path.c_str());
}

TEST(RenderCli, UnusableStartIsRefusedWithStatusTwo) {
  for (const char* bad : {"--month=14", "--latitude=1e999", "--day=1e300", "--year=-2000000"}) {
    const CliRun r = run(std::string(kNight) + " " + bad + " --table -");
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_NE(r.out.find("cannot start"), std::string::npos) << bad;
    EXPECT_EQ(r.out.find("index\t"), std::string::npos) << bad << ": no table written";
  }
}

TEST(RenderCli, ABadMagnitudeLimitIsRefusedWithStatusTwoAndWhy) {
  for (const char* bad : {"x", "6.5", "-3", "4.5abc"}) {
    const CliRun r = run(std::string(kNight) + " --table - --magnitude-limit=" + bad);
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_NE(r.out.find("--magnitude-limit needs a number from -2 to 6"), std::string::npos)
        << bad << ": " << r.out;
    EXPECT_EQ(r.out.find("index\t"), std::string::npos) << bad << ": no table written";
  }
}

TEST(RenderCli, FaintStarsFollowTheMoonInTheTable) {
  const CliRun r = run(std::string(kNight) + " --magnitude-limit 4 --table -");
  ASSERT_EQ(r.status, 0) << r.out;
  int extra = 0, previous = hz::moon_index;
  for (const auto& l : lines_of(r.out)) {
    if (l.empty() || l[0] < '0' || l[0] > '9') continue;
    const int index = std::stoi(l);
    if (index <= hz::moon_index) continue;
    ++extra;
    EXPECT_GT(index, previous) << l;
    previous = index;
    EXPECT_EQ(std::count(l.begin(), l.end(), '\t'), 11) << l;
    std::vector<std::string> cells;
    std::istringstream in(l);
    for (std::string c; std::getline(in, c, '\t');) cells.push_back(c);
    ASSERT_GE(cells.size(), 11u) << l;
    EXPECT_LE(std::stod(cells[9]), 4.0) << l;
  }
  EXPECT_GT(extra, 100) << "stars of the extended table to magnitude 4";
}

TEST(RenderCli, ConstellationTableHasEveryConstellation) {
  const CliRun r = run(std::string(kNight) + " --constellation-names --constellation-table -");
  ASSERT_EQ(r.status, 0) << r.out;
  std::vector<std::string> rows;  // what is not a message on standard error
  for (const auto& l : lines_of(r.out)) {
    if (l.find('\t') != std::string::npos) rows.push_back(l);
  }
  ASSERT_EQ(rows.size(), 89u) << "a header and the 88";
  EXPECT_EQ(rows[0], "abbr\tja\tlatin\talt_rad\taz_rad\txp\typ\tdrawn");
  bool orion = false;
  for (const auto& l : rows) {
    if (l.rfind("Ori\tオリオン座\tOrion\t", 0) != 0) continue;
    orion = true;
    EXPECT_EQ(l.back(), '1') << "Orion is up on a December evening: " << l;
  }
  EXPECT_TRUE(orion);
}

TEST(RenderCli, BadUsageIsStatusTwo) {
  EXPECT_EQ(run("--frames 0").status, 2);
  EXPECT_EQ(run("--no-such-option").status, 2);
}

}  // namespace
