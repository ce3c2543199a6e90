// window-shot: a picture of the planetarium window, for the README.
// Takes the renderer's options (--longitude ... --grid --frames N), types them
// into the window's fields, presses Start N + 1 times so that the N-th frame
// is on screen, and saves the whole window as PNG:
//   window-shot --png docs/window.png --longitude 139.7 ... --grid
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <iostream>

#include "app/form1.hpp"
#include "app/render_options.hpp"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto parsed = hz::parse_render_options(args);
  const auto* options = std::get_if<hz::RenderOptions>(&parsed);
  if (!options || !options->png) {
    std::cerr << "usage: window-shot --png FILE [hoshizora-render field options]\n";
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qt_argc = 1;
  QApplication app(qt_argc, argv);

  hz::Form1 form;
  for (const auto& [field, text] : options->texts) {
    form.findChild<QLineEdit*>(hz::Form1::object_name(field))
        ->setText(QString::fromStdString(text));
  }
  form.findChild<QRadioButton*>(options->option1 ? "Option1" : "Option2")->setChecked(true);
  form.findChild<QRadioButton*>(options->option3 ? "Option3" : "Option4")->setChecked(true);
  form.show();
  auto* start = form.findChild<QPushButton*>("Command1");
  for (long n = 0; n <= options->frames; ++n) start->click();
  QApplication::processEvents();
  if (form.refusal_box()) {
    std::cerr << "window-shot: the window refused the start moment\n";
    return 2;
  }
  return form.grab().save(QString::fromStdString(*options->png), "PNG") ? 0 : 1;
}
