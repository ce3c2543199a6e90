// SPDX-License-Identifier: GPL-3.0-or-later
// What the window program settles before it opens anything.
#pragma once

#include <optional>

namespace hz {

// Answers --help and --version and refuses any other argument (with a
// message on standard error); the exit status then, nothing when the window
// is to open.
std::optional<int> answer_command_line(int argc, char** argv);

// Whether a desktop to show the window on can be there: a display, a Wayland
// display or a platform chosen for Qt. Without one, says so on standard error
// in one line, pointing to hoshizora-render.
bool desktop_or_say_why();

// Around the making of the Qt application: a platform that cannot start (a
// display that does not answer) ends the program with that same line and
// status 1 instead of Qt's abort and its advice to reinstall.
void catch_platform_failure();
void release_platform_failure();

}  // namespace hz
