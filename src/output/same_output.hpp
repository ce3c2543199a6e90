// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace hz {

// Whether two output names lead to the same file, so that one output would
// overwrite the other: the same name, or the same device and inode when both
// exist ("-" is standard output), or, for a file not there yet, the same name
// in the same folder ("a.png" and "./a.png"), a dangling symbolic link
// standing for the file it would create. Names are used as bytes.
bool same_output(const std::string& a, const std::string& b);

}  // namespace hz
