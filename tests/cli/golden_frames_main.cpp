// SPDX-License-Identifier: GPL-3.0-or-later
// make-golden-frames: prints the golden frame hashes, one line a frame, for
// tests/data/golden_frames.tsv. Run it only to make the fixture anew on
// purpose, when a visible change to the frames is intended.
#include <QGuiApplication>
#include <iostream>

#include "cli/golden_frames.hpp"
#include "render_qt/fonts.hpp"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  hz::install_font_substitutes();
  for (const auto& f : hz::testing::draw_golden_frames()) {
    std::cout << hz::testing::golden_line(f) << '\n';
  }
  return std::cout ? 0 : 1;
}
