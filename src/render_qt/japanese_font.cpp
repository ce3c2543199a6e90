// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_qt/japanese_font.hpp"

#include <QFontDatabase>
#include <QStringList>
#include <iostream>

namespace hz {

void warn_without_japanese_font(const char* program) {
  if (!QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) return;
  std::cerr << program
            << ": 日本語のフォントが見つかりません。fonts-ipafont-gothic を入れてください / no "
               "font with Japanese glyphs found; install fonts-ipafont-gothic\n";
}

}  // namespace hz
