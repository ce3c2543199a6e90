// SPDX-License-Identifier: GPL-3.0-or-later
// The accuracy tools' one way to run a reference program and read its output.
#pragma once

#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace hz::tools {

// Runs cmd through the shell and returns everything it wrote to standard
// output; throws when it cannot start or ends with a failure status.
inline std::string run(const std::string& cmd) {
  std::FILE* p = popen(cmd.c_str(), "r");
  if (!p) throw std::runtime_error("cannot run: " + cmd);
  std::string out;
  std::array<char, 4096> buf{};
  std::size_t n = 0;
  while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
  if (pclose(p) != 0) throw std::runtime_error("failed: " + cmd);
  return out;
}

}  // namespace hz::tools
