// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/start_checks.hpp"

#include <QtGlobal>
#include <cstdlib>
#include <iostream>
#include <string_view>

namespace hz {
namespace {

const char* const kNoDesktop =
    "hoshizora: 窓を開くにはグラフィカルなデスクトップが必要です。画面なしで描くには "
    "hoshizora-render を使ってください / hoshizora needs a graphical desktop; "
    "hoshizora-render draws without one\n";

QtMessageHandler qt_handler = nullptr;

void platform_failure_handler(QtMsgType type, const QMessageLogContext& context,
                              const QString& message) {
  if (type != QtFatalMsg) {
    if (qt_handler) qt_handler(type, context, message);
    return;
  }
  std::cerr << kNoDesktop;
  std::_Exit(1);
}

}  // namespace

std::optional<int> answer_command_line(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a != "--help" && a != "--version") {
      std::cerr << "hoshizora: unknown option: " << a << "\n(see hoshizora --help)\n";
      return 2;
    }
  }
  if (argc < 2) return std::nullopt;
  if (std::string_view(argv[1]) == "--version") {
    std::cout << "hoshizora " HOSHIZORA_VERSION "\n";
  } else {
    std::cout << "Usage: hoshizora [--help | --version]\n"
                 "Opens the planetarium window. Without a window: hoshizora-render --help\n";
  }
  std::cout.flush();
  return std::cout ? 0 : 1;
}

bool desktop_or_say_why() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    if (!qEnvironmentVariableIsEmpty(name)) return true;
  }
  std::cerr << kNoDesktop;
  return false;
}

void catch_platform_failure() { qt_handler = qInstallMessageHandler(platform_failure_handler); }

void release_platform_failure() { qInstallMessageHandler(qt_handler); }

}  // namespace hz
