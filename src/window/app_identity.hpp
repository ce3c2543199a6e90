// SPDX-License-Identifier: GPL-3.0-or-later
// The program's name and icon as the desktop knows them.
#pragma once

namespace hz {

// Sets the desktop file name and the window icon: the installed theme's
// icon, or for a window run from the build folder the one built in. Needs
// the application made.
void set_app_identity();

}  // namespace hz
