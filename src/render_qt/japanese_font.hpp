// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace hz {

// Says once on standard error, for the named program, when no installed font
// has Japanese glyphs (the captions and the window would show empty boxes),
// naming the package that brings the faces the frames are drawn in. Needs a
// QGuiApplication.
void warn_without_japanese_font(const char* program);

}  // namespace hz
