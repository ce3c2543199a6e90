// SPDX-License-Identifier: GPL-3.0-or-later
// hoshizora: the planetarium window.
#include <QApplication>

#include "output/std_streams.hpp"
#include "window/app_identity.hpp"
#include "window/fitting_window.hpp"
#include "window/form1.hpp"
#include "window/japanese.hpp"
#include "window/start_checks.hpp"

int main(int argc, char** argv) {
  hz::prepare_output();
  // Answered before any window or display is opened.
  if (const auto status = hz::answer_command_line(argc, argv)) return *status;
  if (!hz::desktop_or_say_why()) return 1;

  // Qt is given only the program's name: every other argument was refused.
  int qt_argc = 1;
  hz::catch_platform_failure();
  QApplication app(qt_argc, argv);
  hz::release_platform_failure();
  hz::speak_japanese(app);
  hz::set_app_identity();
  // The window owns the form, and fits the screen it opens on.
  hz::FittingWindow window(new hz::Form1);
  window.fit_to_screen();
  window.show();
  return app.exec();
}
