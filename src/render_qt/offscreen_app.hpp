// SPDX-License-Identifier: GPL-3.0-or-later
// A Qt application for programs that draw frames without a display: the
// renderer, the benchmarks, the tools and the session fuzz target. The
// captions' fonts need one, a screen never.
#pragma once

#include <QtGlobal>

namespace hz {

// Chooses the offscreen platform unless the user chose one, and holds the
// argument count and vector that a Qt application keeps references to.
class OffscreenArgs {
 protected:
  explicit OffscreenArgs(char* program) : argv_{program, nullptr} {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  int argc_ = 1;
  char* argv_[2];
};

// App is QGuiApplication, or QApplication for a program that shows widgets.
// Only the program's name is passed on: its other arguments are its own.
template <class App>
class OffscreenApp : private OffscreenArgs, public App {
 public:
  explicit OffscreenApp(char* program) : OffscreenArgs(program), App(argc_, argv_) {}
};

}  // namespace hz
