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
  substitute(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
  substitute(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
}

QFont surface_font() {
  install_font_substitutes();
  QFont f(QStringLiteral("ＭＳ ゴシック"));
  f.setPixelSize(12);  // 9 pt at 96 dpi
  f.setWeight(QFont::Normal);
  f.setStyleStrategy(QFont::NoAntialias);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

}  // namespace hz
