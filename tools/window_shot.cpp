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
#include <map>

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
  const std::map<hz::Field, const char*> names = {
      {hz::Field::Text1, "Text1"}, {hz::Field::Text2, "Text2"}, {hz::Field::Text3, "Text3"},
      {hz::Field::Text4, "Text4"}, {hz::Field::Text5, "Text5"}, {hz::Field::Text6, "Text6"},
      {hz::Field::Text7, "Text7"}, {hz::Field::Text8, "Text8"}, {hz::Field::Text9, "Text9"},
      {hz::Field::Text11, "Text11"}};
  for (const auto& [field, name] : names) {
    form.findChild<QLineEdit*>(name)->setText(QString::fromStdString(options->texts.at(field)));
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
