// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/same_output.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <optional>

namespace hz {
namespace {

// What an output name leads to: the file's device and inode, or for a file
// not there yet its folder's device and inode and its name in the folder.
struct Identity {
  dev_t dev;
  ino_t ino;
  std::string leaf;
  bool operator==(const Identity&) const = default;
};

// Links followed before giving up, as the kernel's own limit (ELOOP).
constexpr int max_links = 40;

std::optional<Identity> identity(const std::string& path, int links = 0) {
  struct stat st;
  if (path == "-") {
    if (::fstat(STDOUT_FILENO, &st) != 0) return std::nullopt;
    return Identity{st.st_dev, st.st_ino, {}};
  }
  if (::stat(path.c_str(), &st) == 0) return Identity{st.st_dev, st.st_ino, {}};
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  // A dangling symbolic link: the writer creates its target, so the output
  // is the target's.
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && links < max_links) {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof buffer) return std::nullopt;
    std::string target(buffer, static_cast<std::size_t>(n));
    if (target[0] != '/') target = (slash == std::string::npos ? "" : folder) + target;
    return identity(target, links + 1);
  }
  if (::stat(folder.c_str(), &st) != 0) return std::nullopt;
  return Identity{st.st_dev, st.st_ino, slash == std::string::npos ? path : path.substr(slash + 1)};
}

}  // namespace

bool same_output(const std::string& a, const std::string& b) {
  if (a == b) return true;
  const auto ia = identity(a), ib = identity(b);
  return ia && ib && *ia == *ib;
}

}  // namespace hz
