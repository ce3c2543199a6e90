// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/std_streams.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace hz {

void prepare_output() {
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // The lowest free descriptor, which is fd: the ones below it are open.
    const int got = ::open("/dev/null", O_RDONLY);
    if (got >= 0 && got != fd) {
      ::dup2(got, fd);
      ::close(got);
    }
  }
  std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace hz
