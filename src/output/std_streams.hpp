// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace hz {

// Called first in main() by a program that writes files.
//
// A standard descriptor (0, 1, 2) that the caller closed is opened again on
// /dev/null, read-only: no file the program opens can land on it and receive
// what was meant for standard output, and a write to it still fails (EBADF),
// as it would have on the closed descriptor.
//
// SIGXFSZ is ignored, so a write past the file-size limit (ulimit -f) fails
// with EFBIG and is reported like a full disk instead of killing the program.
void prepare_output();

}  // namespace hz
