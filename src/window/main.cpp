// hoshizora: the planetarium window.
#include <QApplication>
#include <cstring>
#include <iostream>

#include "window/app_identity.hpp"
#include "window/form1.hpp"

int main(int argc, char** argv) {
  // Answered before any window or display is opened.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::cout << "hoshizora " HOSHIZORA_VERSION "\n";
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0) {
      std::cout << "Usage: hoshizora [--version | --help]\n"
                   "Opens the planetarium window. Without a window: hoshizora-render --help\n";
      return 0;
    }
  }

  QApplication app(argc, argv);
  hz::set_app_identity();
  hz::Form1 form;
  form.show();
  return app.exec();
}
