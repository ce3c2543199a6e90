// SPDX-License-Identifier: GPL-3.0-or-later
// The writer where writing fails: nothing the user had is lost, no temporary
// file is left behind, and the reason comes back.
#include "output/safe_write.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "output/same_output.hpp"

namespace hz {
namespace {

// The file-size limit of the full-disk cases (ulimit -f), in bytes.
constexpr rlim_t kSizeLimit = 1000;

std::string make_temp_dir() {
  std::string t = ::testing::TempDir() + "hz_output_XXXXXX";
  EXPECT_NE(::mkdtemp(t.data()), nullptr);
  return t + "/";
}

std::string read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void put_bytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::set<std::string> entries(const std::string& dir) {
  std::set<std::string> names;
  DIR* d = ::opendir(dir.c_str());
  while (const dirent* e = d ? ::readdir(d) : nullptr) {
    const std::string n = e->d_name;
    if (n != "." && n != "..") names.insert(n);
  }
  if (d) ::closedir(d);
  return names;
}

// write_file in a child process under a file-size limit (0: none), with
// SIGXFSZ ignored as the programs ignore it; the errno, 0 on success.
int write_in_child(const std::string& path, const std::string& bytes, rlim_t limit) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    if (limit) {
      const rlimit r{limit, limit};
      ::setrlimit(RLIMIT_FSIZE, &r);
    }
    const auto e = write_file(path, bytes);
    ::_exit(e ? (e->error & 0xff) : 0);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SafeWrite, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
  const std::string big(5 * kSizeLimit, 'n');
  const struct Case {
    const char* why;
    const char* name;  // in a fresh folder; "" for the folder itself
    bool old_file;     // a file of old bytes is there first
    rlim_t limit;
    int error;
  } cases[] = {
      {"disk full (size limit) over an old file", "sky.png", true, kSizeLimit, EFBIG},
      {"disk full on a new file: nothing is left", "new.png", false, kSizeLimit, EFBIG},
      {"a folder in the way", "", false, 0, EISDIR},
      {"no such folder", "missing/sky.png", false, 0, ENOENT},
  };
  for (const Case& c : cases) {
    const std::string dir = make_temp_dir();
    const std::string path = dir + c.name;
    if (c.old_file) put_bytes(path, "old bytes");
    const std::set<std::string> before = entries(dir);
    EXPECT_EQ(write_in_child(path, big, c.limit), c.error) << c.why;
    if (c.old_file) {
      EXPECT_EQ(read_bytes(path), "old bytes") << c.why;
    }
    EXPECT_EQ(entries(dir), before) << c.why << ": no temporary file left";
  }
}

TEST(SafeWrite, ADeviceIsWrittenInPlaceAndItsErrorReported) {
  const auto e = write_file("/dev/full", "bytes");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->error, ENOSPC);
  EXPECT_EQ(write_error_text(*e), "cannot write /dev/full: No space left on device");
  EXPECT_FALSE(write_file("/dev/null", "bytes")) << "never renamed over";
}

TEST(SafeWrite, AReplacedFileKeepsItsModeAndALinkStaysALink) {
  const std::string dir = make_temp_dir();
  put_bytes(dir + "target.tsv", "old");
  ::chmod((dir + "target.tsv").c_str(), 0640);
  ASSERT_EQ(::symlink("target.tsv", (dir + "link.tsv").c_str()), 0);
  EXPECT_FALSE(write_file(dir + "link.tsv", "new"));
  struct stat st, link;
  ASSERT_EQ(::stat((dir + "target.tsv").c_str(), &st), 0);
  ASSERT_EQ(::lstat((dir + "link.tsv").c_str(), &link), 0);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(read_bytes(dir + "target.tsv"), "new");
  EXPECT_EQ(entries(dir), (std::set<std::string>{"link.tsv", "target.tsv"}));
}

// The mode the file system gives a file opened with O_CREAT and 0666 under
// the current umask: what any ordinary program's new file gets.
mode_t ordinary_new_file_mode(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
  EXPECT_GE(fd, 0) << path;
  struct stat st {};
  ::fstat(fd, &st);
  ::close(fd);
  return st.st_mode & 07777;
}

mode_t mode_of(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st.st_mode & 07777;
}

TEST(SafeWrite, ANewFileGetsTheUmasksModeAndAReplacedFileKeepsItsOwn) {
  const mode_t users_umask = ::umask(0);
  const struct {
    mode_t umask;
    mode_t old_mode;  // of the file that is then replaced
  } cases[] = {{022, 0600}, {077, 0644}, {002, 0755}, {027, 0664}, {0, 0640}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "umask 0" << std::oct << c.umask << ", old mode 0" << c.old_mode);
    ::umask(c.umask);
    const std::string dir = make_temp_dir();
    EXPECT_FALSE(write_file(dir + "new.png", "bytes"));
    EXPECT_EQ(mode_of(dir + "new.png"), ordinary_new_file_mode(dir + "ordinary.png"));
    put_bytes(dir + "old.png", "old");
    ASSERT_EQ(::chmod((dir + "old.png").c_str(), c.old_mode), 0);
    EXPECT_FALSE(write_file(dir + "old.png", "new"));
    EXPECT_EQ(mode_of(dir + "old.png"), c.old_mode);
  }
  ::umask(users_umask);
}

// Two spellings of one output, of a file there already or not yet.
TEST(SafeWrite, SameOutputByNameOrByFile) {
  const std::string dir = make_temp_dir();
  ASSERT_EQ(::mkdir((dir + "sub").c_str(), 0777), 0);
  ASSERT_EQ(::symlink("sub", (dir + "sublink").c_str()), 0);
  put_bytes(dir + "sub/x.png", "");
  ASSERT_EQ(::link((dir + "sub/x.png").c_str(), (dir + "sub/hard.png").c_str()), 0);
  ASSERT_EQ(::symlink("x.png", (dir + "sub/soft.png").c_str()), 0);
  ASSERT_EQ(::symlink("new.png", (dir + "sub/soft_new.png").c_str()), 0);  // dangling
  char cwd[4096];
  ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
  ASSERT_EQ(::chdir((dir + "sub").c_str()), 0);  // relative names below are in sub/
  const std::string sub = dir + "sub/";
  const struct {
    std::string a, b;
    bool same;
  } cases[] = {
      // an existing file
      {"x.png", "x.png", true},
      {"x.png", "./x.png", true},
      {"x.png", sub + "x.png", true},
      {"x.png", "../sub/x.png", true},
      {sub + "x.png", dir + "sublink/x.png", true},
      {"x.png", "soft.png", true},
      {"x.png", "hard.png", true},
      {"x.png", "new.png", false},
      {"x.png", "../x.png", false},
      // a file not there yet
      {"new.png", "./new.png", true},
      {"new.png", sub + "new.png", true},
      {"new.png", "../sub/new.png", true},
      {sub + "new.png", dir + "sublink/new.png", true},
      {"new.png", "soft_new.png", true},
      {"new.png", "other.png", false},
      {"new.png", "../new.png", false},
      // standard output
      {"-", "/dev/stdout", true},
      {"-", "x.png", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(same_output(c.a, c.b), c.same) << c.a << " and " << c.b;
    EXPECT_EQ(same_output(c.b, c.a), c.same) << c.b << " and " << c.a;
  }
  ASSERT_EQ(::chdir(cwd), 0);
}

}  // namespace
}  // namespace hz
