// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/same_output.hpp"

#include <sys/stat.h>
#include <unistd.h>

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

std::optional<Identity> identity(const std::string& path) {
  struct stat st;
  if (path == "-") {
    if (::fstat(STDOUT_FILENO, &st) != 0) return std::nullopt;
    return Identity{st.st_dev, st.st_ino, {}};
  }
  if (::stat(path.c_str(), &st) == 0) return Identity{st.st_dev, st.st_ino, {}};
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
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
