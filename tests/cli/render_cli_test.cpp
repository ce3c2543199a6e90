// SPDX-License-Identifier: GPL-3.0-or-later
// hoshizora-render run as a user runs it: exit status, outputs, messages.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "common/object_layout.hpp"
#include "support/table_rows.hpp"

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

// A fresh folder under the test's temporary folder, ending in '/'.
std::string temp_dir() {
  std::string t = ::testing::TempDir() + "hz_cli_XXXXXX";
  EXPECT_NE(::mkdtemp(t.data()), nullptr);
  return t + "/";
}

// The names in a folder, sorted.
std::vector<std::string> entries(const std::string& dir) {
  std::vector<std::string> names;
  DIR* d = ::opendir(dir.c_str());
  while (const dirent* e = d ? ::readdir(d) : nullptr) {
    if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) {
      names.push_back(e->d_name);
    }
  }
  if (d) ::closedir(d);
  std::sort(names.begin(), names.end());
  return names;
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
  } const names[] = {{hz::testing::star_row("alp CMa"), "alp CMa Sirius"},
                     {hz::testing::star_row("bet Hyi"), "bet Hyi"},
                     {hz::sun_index + 4, "Mars"},
                     {hz::moon_index, "Moon"}};
  for (const Named& n : names) {
    const std::string& row = rows[static_cast<std::size_t>(n.index - 1)];
    EXPECT_EQ(row.substr(row.rfind('\t') + 1), n.name) << n.index;
    EXPECT_EQ(std::count(row.begin(), row.end(), '\t'), 11) << n.index;
  }
}

TEST(RenderCli, FramesAdvanceByTheStep) {
  const struct {
    const char* args;
    const char* caption;
  } cases[] = {
      {" --frames 3 --step=-1h", "# caption\t19 時00 分 (JST)"},
      {" --frames 3 --step -10m --zoom 4", "# caption\t20 時40 分 (JST)"},
      {" --frames 2 --step 1d", "# caption\t2026 年12 月8 日"},
  };
  for (const auto& c : cases) {
    const CliRun r = run(std::string(kNight) + c.args + " --table -");
    ASSERT_EQ(r.status, 0) << c.args << ": " << r.out;
    EXPECT_NE(r.out.find(c.caption), std::string::npos) << c.args;
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

// The national observatory's example for the old Tokyo Observatory: the
// Moon's rows of 2006-01-21..23, to the minute it prints (no moonrise on the
// 22nd), and the age at noon.
TEST(RenderCli, AlmanacGivesTokyosMoonOfJanuary2006) {
  const CliRun r =
      run("--longitude 139.7333333333 --latitude 35.65 --year 2006 --month 1 --day 21 --hour 20 "
          "--days 3 --almanac -");
  ASSERT_EQ(r.status, 0) << r.out;
  const std::vector<std::string> lines = lines_of(r.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "date\tbody\tevent\ttime_jst\tazimuth_deg\taltitude_deg\tvalue");
  // date, event and the time to the minute (or the age) of the Moon's rows.
  std::vector<std::string> moon;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::vector<std::string> cell;
    std::istringstream row(lines[i]);
    for (std::string c; std::getline(row, c, '\t');) cell.push_back(c);
    cell.resize(7);
    if (cell[1] != "Moon" || (cell[2] != "rise" && cell[2] != "set" && cell[2] != "moon_age"))
      continue;
    moon.push_back(cell[0] + ' ' + cell[2] + ' ' +
                   (cell[2] == "moon_age" ? cell[6] : cell[3].substr(11, 5)));
  }
  // Within a minute of the printed times: the seconds tell which way.
  const std::vector<std::string> expected = {
      "2006-01-21 set 10:09", "2006-01-21 moon_age 21.0", "2006-01-21 rise 23:15",
      "2006-01-22 set 10:33", "2006-01-22 moon_age 22.0", "2006-01-23 rise 00:15",
      "2006-01-23 set 10:59", "2006-01-23 moon_age 23.0"};
  EXPECT_EQ(moon, expected) << r.out;
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

// Without a desktop the window program says so in one line and exits with 1:
// with no display named at all, and with a display that does not answer.
TEST(RenderCli, TheWindowWithoutADesktopSaysWhyAndExitsOne) {
  for (const char* env : {"env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM",
                          "env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97"}) {
    const CliRun r = run_command(std::string(env) + " '" + HOSHIZORA_WINDOW + "'");
    EXPECT_EQ(r.status, 1) << env << ": " << r.out;
    const auto lines = lines_of(r.out);
    ASSERT_FALSE(lines.empty()) << env;
    EXPECT_NE(lines.back().find("needs a graphical desktop; hoshizora-render draws without one"),
              std::string::npos)
        << env << ": " << r.out;
  }
}

// Bad usage: status 2, a message that names the fault, and no file touched.
TEST(RenderCli, BadUsageIsRefusedBeforeAnyFileIsTouched) {
  const std::string dir = temp_dir();
  const std::string same = "'" + dir + "same'";
  const std::string same_by_another_name = "'" + dir + "./same'";
  const struct {
    const char* program;
    std::string args, message;
  } cases[] = {
      {HOSHIZORA_RENDER, "--frames 0", "--frames needs a whole number"},
      {HOSHIZORA_RENDER, "--no-such-option", "unknown option: --no-such-option"},
      {HOSHIZORA_RENDER, "--png --table " + same, "--png needs a file"},
      {HOSHIZORA_RENDER, "--table", "--table needs a file"},
      {HOSHIZORA_RENDER, "--png=", "--png needs a file"},
      {HOSHIZORA_RENDER, "--longitude --grid", "--longitude needs a value"},
      {HOSHIZORA_RENDER, "--help=1", "--help takes no value"},
      {HOSHIZORA_RENDER, "--grid=yes", "--grid takes no value"},
      {HOSHIZORA_RENDER, "--png " + same + " --table " + same, "name the same file"},
      {HOSHIZORA_RENDER, "--png " + same + " --table " + same_by_another_name,
       "name the same file"},
      {HOSHIZORA_RENDER, "--png - --table /dev/stdout", "name the same file"},
      {HOSHIZORA_RENDER, "--table " + same + " --constellation-table " + same,
       "--table and --constellation-table name the same file"},
      {HOSHIZORA_RENDER, "--magnitude-limit x", "--magnitude-limit needs a number from -2 to 6"},
      {HOSHIZORA_RENDER, "--magnitude-limit 6.5", "--magnitude-limit needs a number from -2 to 6"},
      {HOSHIZORA_RENDER, "--magnitude-limit=-3", "--magnitude-limit needs a number from -2 to 6"},
      {HOSHIZORA_RENDER, "--magnitude-limit 4.5abc", "--magnitude-limit needs a number"},
      {HOSHIZORA_RENDER, "--png " + same + " --zoom 17", "--zoom needs a number from 1 to 16"},
      {HOSHIZORA_RENDER, "--png " + same + " --zoom=0.5", "--zoom needs a number from 1 to 16"},
      {HOSHIZORA_RENDER, "--png " + same + " --step 2h", "--step needs one of 10s, 1m, 10m"},
      {HOSHIZORA_RENDER, "--png " + same + " --step=-1w", "a leading - runs backward"},
      {HOSHIZORA_RENDER, "--almanac " + same + " --days 0", "--days needs a whole number"},
      {HOSHIZORA_RENDER, "--almanac " + same + " --days 36601", "--days needs a whole number"},
      {HOSHIZORA_RENDER, "--almanac " + same + " --days 2.5", "--days needs a whole number"},
      {HOSHIZORA_RENDER, "--almanac " + same + " --month=14", "cannot start"},
      {HOSHIZORA_RENDER, "--days 3 --table " + same, "--days is the length of --almanac"},
      {HOSHIZORA_RENDER, "--almanac " + same + " --png " + same_by_another_name,
       "--png and --almanac name the same file"},
      {HOSHIZORA_RENDER, "--place Atlantis --png " + same, "see --place list"},
      {HOSHIZORA_RENDER, "--find Vulcan --png " + same, "unknown object 'Vulcan'"},
      {HOSHIZORA_RENDER, "--now=1", "--now takes no value"},
      {HOSHIZORA_WINDOW, "--bogus", "unknown option: --bogus"},
      {HOSHIZORA_WINDOW, "--help=1", "unknown option: --help=1"},
  };
  for (const auto& c : cases) {
    const CliRun r = run_command(std::string("'") + c.program + "' " + c.args);
    EXPECT_EQ(r.status, 2) << c.args << ": " << r.out;
    EXPECT_NE(r.out.find(c.message), std::string::npos) << c.args << ": " << r.out;
  }
  EXPECT_TRUE(entries(dir).empty()) << "nothing written";
}

TEST(RenderCli, PlaceListPrintsEveryPlaceAndSucceeds) {
  const CliRun r = run("--place list");
  ASSERT_EQ(r.status, 0) << r.out;
  const std::vector<std::string> lines = lines_of(r.out);
  ASSERT_EQ(lines.size(), 48u);
  EXPECT_EQ(lines.front(), "札幌（北海道）\tSapporo, Hokkaido\t141.35\t43.06");
  EXPECT_EQ(lines.back(), "明石（兵庫県）\tAkashi, Hyogo\t135.00\t34.65");
}

// The row of the object table with this index, split at its tabs.
std::vector<std::string> table_row(const std::string& table, int index) {
  for (const std::string& line : lines_of(table)) {
    if (line.rfind(std::to_string(index) + "\t", 0) != 0) continue;
    std::vector<std::string> cells;
    std::istringstream row(line);
    for (std::string c; std::getline(row, c, '\t');) cells.push_back(c);
    return cells;
  }
  return {};
}

// The caption's date and hour of the present in Japan, as GNU date gives
// them: "2026 年12 月9 日" and "17 時".
std::pair<std::string, std::string> jst_caption_now() {
  const CliRun r = run_command("TZ=Asia/Tokyo date '+%Y %-m %-d %H'");
  std::istringstream in(r.out);
  std::string yr, mn, dy, hh;
  in >> yr >> mn >> dy >> hh;
  return {yr + " 年" + mn + " 月" + dy + " 日", hh + " 時"};
}

TEST(RenderCli, NowStartsAtThePresentInJapanWhateverTheTimeZone) {
  const auto before = jst_caption_now();
  const CliRun r = run_command(std::string("TZ=America/New_York '") + HOSHIZORA_RENDER +
                               "' --now --place Tokyo --table -");
  const auto after = jst_caption_now();
  ASSERT_EQ(r.status, 0) << r.out;
  // Either side of the run, should an hour turn while it runs.
  bool found = false;
  for (const auto& [date, hour] : {before, after}) {
    found = found || r.out.find("# caption\t" + date + "\n# caption\t" + hour) != std::string::npos;
  }
  EXPECT_TRUE(found) << before.first << ' ' << before.second << "\n" << r.out.substr(0, 200);
}

TEST(RenderCli, FindCentresTheViewOnTheObject) {
  const CliRun r =
      run("--place 東京 --year 2027 --month 1 --day 16 --hour 1 --minute 0 "
          "--find 木星 --table -");
  ASSERT_EQ(r.status, 0) << r.out;
  const std::vector<std::string> jupiter = table_row(r.out, hz::sun_index + 5);
  ASSERT_GE(jupiter.size(), 9u) << r.out;
  EXPECT_NEAR(std::stod(jupiter[6]), 320, 1) << "xp";
  EXPECT_NEAR(std::stod(jupiter[7]), 350, 1) << "yp";
  EXPECT_EQ(jupiter[8], "1") << "drawn";
}

TEST(RenderCli, FindBelowTheHorizonDrawsAndSaysWhenItRises) {
  // Tokyo at 21:00 JST: the Sun rises at 6:47 the next morning.
  const CliRun r =
      run("--place Tokyo --year 2026 --month 12 --day 20 --hour 21 --minute 0 "
          "--find Sun --table /dev/null");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("太陽: 地平線の下です（12月21日 6時47分に昇ります）"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("Sun is below the horizon; rises 2026-12-21 06:47 JST"), std::string::npos)
      << r.out;
}

// A field that does not begin with a number reads as 0, as in the window, and
// standard error says so in both languages; full-width digits are a number.
TEST(RenderCli, AFieldWithoutANumberReadsAsZeroAndIsTold) {
  const CliRun r =
      run("--longitude abc --latitude ３５．７ --year 2026 --month 12 --day 7 --table /dev/null");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("hoshizora-render: 「観測地の経度」の欄が数として読めないため 0 とします\n"
                       "hoshizora-render: the longitude does not begin with a number: read as 0\n"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(r.out.find("latitude"), std::string::npos) << r.out;
}

// A write that fails (a full disk: the file-size limit; a full device; a
// closed standard output) says why, keeps the old file and exits with 1.
TEST(RenderCli, AFailedWriteSaysWhyAndKeepsTheOldFile) {
  const std::string dir = temp_dir();
  const struct {
    const char* why;
    std::string command, message;
  } cases[] = {
      {"PNG on a full disk", "ulimit -f 4; R --png " + dir + "old",
       "cannot write " + dir + "old: File too large"},
      {"table on a full disk", "ulimit -f 1; R --table " + dir + "old",
       "cannot write " + dir + "old: File too large"},
      {"PNG onto a full device", "R --png /dev/full", "cannot write /dev/full: No space left"},
      {"table into a full standard output", "R --table - >/dev/full",
       "cannot write standard output: No space left"},
      {"table into a closed standard output", "R --table - >&-",
       "cannot write standard output: Bad file descriptor"},
  };
  for (const auto& c : cases) {
    std::ofstream(dir + "old") << "old bytes";
    std::string command = c.command;
    command.replace(command.find('R'), 1, std::string("'") + HOSHIZORA_RENDER + "'");
    const CliRun r = run_command("(" + command + ")");
    EXPECT_EQ(r.status, 1) << c.why << ": " << r.out;
    EXPECT_NE(r.out.find(c.message), std::string::npos) << c.why << ": " << r.out;
    std::ifstream old(dir + "old");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "old bytes") << c.why;
    EXPECT_EQ(entries(dir), std::vector<std::string>{"old"}) << c.why << ": no temporary file";
  }
}

// A file name is bytes: one that is not UTF-8 is used exactly as given.
TEST(RenderCli, AFileNameThatIsNotUtf8IsKeptAsGiven) {
  const std::string dir = temp_dir();
  const CliRun r = run("--png '" + dir + "sky-\xff.png' --table '" + dir + "sky-\xff.tsv'");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(entries(dir), (std::vector<std::string>{"sky-\xff.png", "sky-\xff.tsv"}));
}

// The table does not follow the locale: byte for byte the same under C,
// ja_JP and de_DE (decimal commas), the locales made here with localedef.
TEST(RenderCli, TheTableIsTheSameUnderEveryLocale) {
  const std::string sources = "/usr/share/i18n/locales/";
  if (run_command("command -v localedef").status != 0 || !std::ifstream(sources + "de_DE") ||
      !std::ifstream(sources + "ja_JP")) {
    GTEST_SKIP() << "localedef or the locale sources (Debian's locales) are missing";
  }
  const std::string locpath = temp_dir();
  for (const char* name : {"de_DE", "ja_JP"}) {
    const CliRun made = run_command(std::string("localedef -i ") + name + " -f UTF-8 '" + locpath +
                                    name + ".UTF-8'");
    ASSERT_EQ(made.status, 0) << made.out;
  }
  const std::string env = "LOCPATH='" + locpath + "' LANG= LC_ALL=";
  const CliRun comma = run_command(env + "de_DE.UTF-8 /usr/bin/printf %.1f 0.5");
  ASSERT_EQ(comma.out, "0,5") << "the German locale writes a decimal comma";

  const std::string args = std::string(kNight) + " --table - 2>/dev/null";
  const CliRun c = run_command("LC_ALL=C '" + std::string(HOSHIZORA_RENDER) + "' " + args);
  ASSERT_EQ(c.status, 0);
  ASSERT_NE(c.out.find("# t2000\t0.26"), std::string::npos) << c.out.substr(0, 40);
  for (const char* locale : {"ja_JP.UTF-8", "de_DE.UTF-8"}) {
    const CliRun r = run_command(env + locale + " '" + std::string(HOSHIZORA_RENDER) + "' " + args);
    EXPECT_EQ(r.status, 0) << locale;
    EXPECT_TRUE(r.out == c.out) << locale << ": " << r.out.substr(0, 40);
  }
}

// Where the table says the frame drew its stars: the built-in ones and the
// extended table's, each on its whole pixel as the surfaces round it.
std::vector<std::pair<double, double>> drawn_star_pixels(const std::string& table) {
  std::vector<std::pair<double, double>> at;
  for (const std::string& l : lines_of(table)) {
    std::vector<std::string> f;
    std::istringstream cells(l);
    for (std::string c; std::getline(cells, c, '\t');) f.push_back(c);
    if (f.size() < 9 || f[0].empty() || f[0][0] < '0' || f[0][0] > '9' || f[8] != "1") continue;
    const int index = std::stoi(f[0]);
    if (index > hz::last_star && index <= hz::moon_index) continue;  // the bodies' marks
    at.emplace_back(std::nearbyint(std::stod(f[6])), std::nearbyint(std::stod(f[7])));
  }
  std::sort(at.begin(), at.end());
  return at;
}

std::string file_text(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// The value of an attribute within one element's text; NaN when absent.
double attribute(const std::string& element, const std::string& name) {
  const auto at = element.find(' ' + name + "=\"");
  return at == std::string::npos ? std::nan("") : std::stod(element.substr(at + name.size() + 3));
}

// The SVG chart parses, and holds one dot (a filled circle, no outline, at
// most a star's largest size) at each star the table says was drawn: the
// built-in stars of the plain sky, and thousands of the extended table's
// among every other layer in the print style.
TEST(RenderCli, SvgHasOneDotPerDrawnStarWhereTheTableHasIt) {
  const char* const cases[] = {
      "",
      " --grid --constellation-lines --constellation-names --constellation-boundaries"
      " --magnitude-limit 6 --style print --place 東京",
  };
  for (const char* layers : cases) {
    const std::string dir = temp_dir();
    const CliRun r =
        run(std::string(kNight) + layers + " --svg " + dir + "c.svg --table " + dir + "c.tsv");
    ASSERT_EQ(r.status, 0) << layers << ": " << r.out;
    EXPECT_EQ(run_command("xmllint --noout " + dir + "c.svg").status, 0) << layers;
    const std::string svg = file_text(dir + "c.svg");
    std::vector<std::pair<double, double>> dots;
    for (std::size_t at = svg.find("<circle "); at != std::string::npos;
         at = svg.find("<circle ", at + 1)) {
      const std::string e = svg.substr(at, svg.find("/>", at) - at);
      const bool filled = e.find(" fill=") != std::string::npos;
      if (filled && e.find(" stroke=") == std::string::npos && attribute(e, "r") <= 2.5)
        dots.emplace_back(attribute(e, "cx"), attribute(e, "cy"));
    }
    std::sort(dots.begin(), dots.end());
    const auto stars = drawn_star_pixels(file_text(dir + "c.tsv"));
    EXPECT_GT(stars.size(), std::string(layers).empty() ? 100u : 1000u) << layers;
    EXPECT_EQ(dots, stars) << layers;
  }
}

// The PDF chart in the print style: one A4 page; rendered, black at every
// drawn star's place on the page, the chart scaled to the width within the
// margins and centred below its title, and little else that black; the
// caption and the title's place and moment are text.
TEST(RenderCli, PdfIsOneA4PageWithTheStarsAndTheCaption) {
  const std::string dir = temp_dir();
  const CliRun r =
      run(std::string(kNight) + " --style print --pdf " + dir + "c.pdf --table " + dir + "c.tsv");
  ASSERT_EQ(r.status, 0) << r.out;
  const CliRun info = run_command("pdfinfo " + dir + "c.pdf");
  ASSERT_EQ(info.status, 0) << info.out << "\n(poppler-utils: tools/install-deps.sh test)";
  EXPECT_NE(info.out.find("Pages:           1\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("(A4)"), std::string::npos) << info.out;

  const CliRun text = run_command("pdftotext " + dir + "c.pdf -");
  for (const char* words : {"2026 年12 月7 日", "21 時00 分 (JST)", "北緯 35°42′ 東経 139°42′"})
    EXPECT_NE(text.out.find(words), std::string::npos) << words << " in:\n" << text.out;

  constexpr int dpi = 100;
  ASSERT_EQ(
      run_command("pdftoppm -gray -r " + std::to_string(dpi) + " " + dir + "c.pdf " + dir + "page")
          .status,
      0);
  const std::string pgm = file_text(dir + "page-1.pgm");
  std::istringstream head(pgm);
  std::string magic;
  int w = 0, h = 0, maxval = 0;
  head >> magic >> w >> h >> maxval;
  ASSERT_EQ(magic, "P5");
  const std::size_t data = pgm.size() - std::size_t(w) * std::size_t(h);
  const auto grey = [&](double x, double y) {
    return static_cast<unsigned char>(pgm[data + std::size_t(y) * std::size_t(w) + std::size_t(x)]);
  };
  // Page pixels per surface pixel, the chart as wide as the page within
  // 15 mm margins; the title's band of 32 surface pixels above the surface.
  const double mm = dpi / 25.4;
  const double scale = (w - 2 * 15 * mm) / 641, band = 32;
  const double left = (w - 641 * scale) / 2, top = (h - (665 + band) * scale) / 2 + band * scale;
  const auto stars = drawn_star_pixels(file_text(dir + "c.tsv"));
  ASSERT_GT(stars.size(), 100u);
  for (const auto& [x, y] : stars) {
    EXPECT_LT(grey(left + (x + 0.5) * scale, top + (y + 0.5) * scale), 64) << x << ' ' << y;
  }
  long black = 0;
  for (std::size_t i = data; i < pgm.size(); ++i) black += static_cast<unsigned char>(pgm[i]) < 64;
  EXPECT_LT(black, long(w) * h / 50) << "the page is white save the stars and the texts";
}

}  // namespace
