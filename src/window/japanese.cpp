// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/japanese.hpp"

#include <QLibraryInfo>
#include <QTranslator>

#include "render_qt/japanese_font.hpp"

namespace hz {

bool speak_japanese(QCoreApplication& app) {
  warn_without_japanese_font("hoshizora");
  auto* qt = new QTranslator(&app);
  if (!qt->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete qt;
    return false;
  }
  return QCoreApplication::installTranslator(qt);
}

}  // namespace hz
