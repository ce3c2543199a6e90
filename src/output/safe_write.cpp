// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/safe_write.hpp"

#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace hz {
namespace {

// Writes every byte, through short writes and interruptions; 0 or the errno.
int write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return EIO;  // never for a regular write; never loop on it
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

// The descriptor a name stands for: "-" and /dev/stdout are standard output,
// /dev/fd/N the caller's descriptor N. Written through the descriptor, these
// keep what the shell set up (an append, a pipe) instead of being reopened.
std::optional<int> descriptor_named(const std::string& path) {
  if (path == "-" || path == "/dev/stdout") return STDOUT_FILENO;
  if (path == "/dev/stderr") return STDERR_FILENO;
  for (const std::string_view prefix : {"/dev/fd/", "/proc/self/fd/"}) {
    if (path.size() <= prefix.size() || path.size() > prefix.size() + 6 ||
        path.compare(0, prefix.size(), prefix) != 0) {
      continue;
    }
    int fd = 0;
    for (std::size_t i = prefix.size(); i < path.size(); ++i) {
      if (path[i] < '0' || path[i] > '9') return std::nullopt;
      fd = fd * 10 + (path[i] - '0');
    }
    return fd;
  }
  return std::nullopt;
}

int write_descriptor(int fd, std::string_view bytes) {
  if (const int e = write_all(fd, bytes)) return e;
  // Closing a duplicate reports what a close would (a delayed error of a
  // network file system) and leaves the descriptor itself open.
  const int dup = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
  if (dup < 0) return errno;
  if (::close(dup) != 0 && errno != EINTR) return errno;
  return 0;
}

// A device, a pipe: opened and written where it is, never renamed over.
int write_in_place(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  int e = write_all(fd, bytes);
  if (::close(fd) != 0 && errno != EINTR && !e) e = errno;
  return e;
}

// The mode a newly created file gets: 0666 less the umask.
mode_t new_file_mode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// After the rename the file is in place; the folder's entry is flushed too,
// where the file system allows it, so that a crash cannot bring back the old.
void sync_folder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// A regular file replaced whole: a temporary file beside it, written, given
// the old file's mode (a new file's otherwise), flushed to disk, closed and
// renamed over it. On failure the temporary file goes and the old one stays.
int replace_file(const std::string& target, std::string_view bytes, const struct stat* old) {
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string leaf = slash == std::string::npos ? target : target.substr(slash + 1);
  // A hidden name; the leaf is cut so that a long name stays within NAME_MAX.
  std::string temp = folder + "." + leaf.substr(0, 200) + ".XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return errno;

  int e = write_all(fd, bytes);
  if (!e && ::fchmod(fd, old ? old->st_mode & 07777 : new_file_mode()) != 0) e = errno;
  // The owner is kept where the system lets us (root replacing a user's
  // file); elsewhere the file is the caller's, as a new one would be.
  if (!e && old) {
    [[maybe_unused]] const int kept = ::fchown(fd, old->st_uid, old->st_gid);
  }
  if (!e && ::fsync(fd) != 0) e = errno;
  if (::close(fd) != 0 && errno != EINTR && !e) e = errno;
  if (!e && ::rename(temp.c_str(), target.c_str()) != 0) e = errno;
  if (e) {
    ::unlink(temp.c_str());
    return e;
  }
  sync_folder(folder);
  return 0;
}

int write_path(const std::string& path, std::string_view bytes) {
  if (const auto fd = descriptor_named(path)) return write_descriptor(*fd, bytes);

  struct stat st;
  if (::stat(path.c_str(), &st) != 0) {
    if (errno != ENOENT) return errno;
    struct stat link;
    // A dangling symbolic link: writing through it creates its target.
    if (::lstat(path.c_str(), &link) == 0) return write_in_place(path, bytes);
    return replace_file(path, bytes, nullptr);
  }
  // A folder is refused by open() with EISDIR.
  if (!S_ISREG(st.st_mode)) return write_in_place(path, bytes);

  struct stat link;
  if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return errno;
    const std::string target(real);
    std::free(real);
    return replace_file(target, bytes, &st);
  }
  return replace_file(path, bytes, &st);
}

}  // namespace

std::optional<WriteError> write_file(const std::string& path, std::string_view bytes) {
  if (const int e = write_path(path, bytes)) return WriteError{path, e};
  return std::nullopt;
}

std::string write_error_text(const WriteError& e) {
  // The C locale's words, as the rest of the message is in English.
  static const locale_t c_locale = ::newlocale(LC_ALL_MASK, "C", locale_t{});
  const char* reason = c_locale ? ::strerror_l(e.error, c_locale) : std::strerror(e.error);
  const std::string name = e.path == "-" ? "standard output" : e.path;
  return "cannot write " + name + ": " + reason;
}

}  // namespace hz
