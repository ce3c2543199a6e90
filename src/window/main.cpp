// hoshizora: the planetarium window.
#include <QApplication>

#include "window/form1.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  hz::Form1 form;
  form.show();
  return app.exec();
}
