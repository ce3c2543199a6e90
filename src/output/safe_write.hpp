// SPDX-License-Identifier: GPL-3.0-or-later
// Writing an output file so that nothing the user had is lost.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hz {

// Why an output could not be written: the file as the user named it and the
// errno of the call that failed.
struct WriteError {
  std::string path;
  int error;
};

// Writes bytes to the output named path.
//
// Given:    path   a file name, used as bytes; "-" and "/dev/stdout" are
//                  standard output
//           bytes  the whole content
// Returned: nothing when every byte is written and the file closed, else the
//           reason.
// Notes:    A regular file, or a name that does not exist yet, is replaced
//           atomically: the bytes go to a temporary file in the same folder,
//           which is flushed to disk, closed and renamed over the old file.
//           On any failure the temporary file is removed and the old file is
//           left byte for byte as it was. A symbolic link to a regular file
//           keeps being a link: its target is replaced.
//           Anything else (standard output, a device such as /dev/full, a
//           pipe) is written in place and never renamed over; every write and
//           the final close are checked.
std::optional<WriteError> write_file(const std::string& path, std::string_view bytes);

// "cannot write FILE: No space left on device": the reason in the words of
// the C library, in English whatever the locale ("-" is "standard output").
std::string write_error_text(const WriteError& e);

}  // namespace hz
