// The fonts of the drawing surfaces. The window font "ＭＳ ゴシック" (and its
// proportional sibling) are not known to fontconfig, so they are mapped onto
// the IPA Gothic faces.
#pragma once

#include <QFont>

namespace hz {

// Registers "ＭＳ ゴシック" -> "IPAGothic" and "ＭＳ Ｐゴシック" -> "IPAPGothic"
// as font substitutions. Safe to call more than once.
void install_font_substitutes();

// The font text is printed in on a drawing surface: "ＭＳ ゴシック" at 12
// pixels (9 pt at 96 dpi, whatever the screen reports), without antialiasing
// and with full hinting, so a frame looks the same on every machine.
// Installs the substitutes first. Needs a QGuiApplication.
QFont surface_font();

}  // namespace hz
