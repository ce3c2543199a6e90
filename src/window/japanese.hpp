// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

namespace hz {

// Makes Qt's own texts (the file dialog, the standard buttons, the overwrite
// question) Japanese like the rest of the window, from Qt's translations
// (Debian's qt6-translations-l10n); says on standard error when no font has
// Japanese glyphs. Returns whether the translations were found.
bool speak_japanese(QCoreApplication& app);

}  // namespace hz
