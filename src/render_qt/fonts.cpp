// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_qt/fonts.hpp"

#include <QString>
#include <QStringList>

namespace hz {

namespace {

void substitute(const QString& name, const QString& by) {
  if (!QFont::substitutes(name).contains(by)) QFont::insertSubstitution(name, by);
}

}  // namespace

void install_font_substitutes() {
  substitute(QString::fromUtf8(gothic_face), QStringLiteral("IPAGothic"));
  substitute(QString::fromUtf8(pgothic_face), QStringLiteral("IPAPGothic"));
}

QFont surface_font() {
  install_font_substitutes();
  QFont f(QString::fromUtf8(gothic_face));
  f.setPixelSize(surface_font_pixels);
  f.setWeight(QFont::Normal);
  f.setStyleStrategy(QFont::NoAntialias);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

}  // namespace hz
