// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts of the drawing surfaces. The window font "ＭＳ ゴシック" (and its
// proportional sibling) are not known to fontconfig, so they are mapped onto
// the IPA Gothic faces.
#pragma once

#include <QFont>

namespace hz {

// The window's two faces by the names the design gives them: the fixed-pitch
// gothic of the form and of the texts drawn on the sky, and its proportional
// sibling of the labels and buttons. fontconfig knows neither by that name
// (see install_font_substitutes).
inline constexpr const char* gothic_face = "ＭＳ ゴシック";
inline constexpr const char* pgothic_face = "ＭＳ Ｐゴシック";

// The size of the surface font in pixels: 9 pt at 96 dpi. A surface with no
// font to measure takes it as its line height.
inline constexpr int surface_font_pixels = 12;

// Registers "ＭＳ ゴシック" -> "IPAGothic" and "ＭＳ Ｐゴシック" -> "IPAPGothic"
// as font substitutions. Safe to call more than once.
void install_font_substitutes();

// The font text is printed in on a drawing surface: "ＭＳ ゴシック" at 12
// pixels (9 pt at 96 dpi, whatever the screen reports), without antialiasing
// and with full hinting, so a frame looks the same on every machine.
// Installs the substitutes first. Needs a QGuiApplication.
QFont surface_font();

}  // namespace hz
