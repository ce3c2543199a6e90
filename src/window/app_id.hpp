// SPDX-License-Identifier: GPL-3.0-or-later
// The application's identity on the desktop.
#pragma once

namespace hz {

// Reverse-DNS id: the names of the desktop entry, the icon and the AppStream
// metadata (data/ in the sources).
constexpr const char* app_id = "jp.hoshizora.Hoshizora";

}  // namespace hz
