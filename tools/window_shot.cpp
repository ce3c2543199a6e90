// SPDX-License-Identifier: GPL-3.0-or-later
// window-shot: a picture of the planetarium window, for the README.
// Takes the renderer's options (--longitude ... --grid --frames N), types them
// into the window's fields, presses Start N + 1 times so that the N-th frame
// is on screen, and saves the whole window as PNG:
//   window-shot --png docs/window.png --longitude 139.7 ... --grid
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <iostream>

#include "cli/render_options.hpp"
#include "frame/field_table.hpp"
#include "frame/time_step.hpp"
#include "output/safe_write.hpp"
#include "render_qt/offscreen_app.hpp"
#include "render_qt/png_encode.hpp"
#include "window/control_names.hpp"
#include "window/form1.hpp"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto parsed = hz::parse_render_options(args);
  const auto* options = std::get_if<hz::RenderOptions>(&parsed);
  if (!options || !options->png) {
    std::cerr << "usage: window-shot --png FILE [hoshizora-render field options]\n";
    return 2;
  }
  hz::OffscreenApp<QApplication> app(argv[0]);

  hz::Form1 form;
  for (const auto& [field, text] : options->texts) {
    form.findChild<QLineEdit*>(hz::text_box_name(field))->setText(QString::fromStdString(text));
  }
  form.findChild<QRadioButton*>(options->frame.grid ? hz::grid_buttons.on : hz::grid_buttons.off)
      ->setChecked(true);
  form.findChild<QRadioButton*>(options->frame.stars_by_day ? hz::day_stars_buttons.on
                                                            : hz::day_stars_buttons.off)
      ->setChecked(true);
  // The 表示 group: 6等星まで for any magnitude limit.
  const std::pair<const char*, bool> display[] = {
      {"ConstellationLines", options->frame.constellation_lines},
      {"ConstellationNames", options->frame.constellation_names},
      {"ConstellationBoundaries", options->frame.constellation_boundaries},
      {"FaintStars", options->frame.magnitude_limit.has_value()},
      {"Equator", options->frame.equator},
      {"Ecliptic", options->frame.ecliptic},
      {"Meridian", options->frame.meridian},
      {"EquatorialGrid", options->frame.equatorial_grid},
      {"MilkyWay", options->frame.milky_way},
      {"StarNames", options->frame.star_names},
      {"Asterisms", options->frame.asterisms}};
  for (const auto& [name, on] : display) form.findChild<QCheckBox*>(name)->setChecked(on);
  // The tab of the last box ticked is shown.
  auto* tabs = form.findChild<QTabWidget*>("DisplayTabs");
  for (const auto& [name, on] : display) {
    if (!on) continue;
    for (int k = 0; k < tabs->count(); ++k)
      if (tabs->widget(k)->findChild<QCheckBox*>(name)) tabs->setCurrentIndex(k);
  }
  // 時間の進み: the step's choice and 逆向き.
  const auto choices = hz::time_step_choices();
  for (std::size_t k = 0; k < choices.size(); ++k) {
    if (choices[k].millis == options->frame.step.millis)
      form.findChild<QComboBox*>("StepBox")->setCurrentIndex(static_cast<int>(k));
  }
  form.findChild<QCheckBox*>("BackwardBox")->setChecked(options->frame.step.backward);
  form.findChild<QCheckBox*>("TrailsBox")->setChecked(options->frame.trails);
  form.show();
  auto* start = form.findChild<QPushButton*>("Command1");
  for (long n = 0; n <= options->frames; ++n) start->click();
  QApplication::processEvents();
  if (form.refusal_box()) {
    std::cerr << "window-shot: the window refused the start moment\n";
    return 2;
  }
  const auto png = hz::png_encode(form.grab().toImage());
  if (!png) {
    std::cerr << "window-shot: cannot encode the window as PNG\n";
    return 1;
  }
  if (const auto e =
          hz::write_file(*options->png, std::string_view(png->constData(), png->size()))) {
    std::cerr << "window-shot: " << hz::write_error_text(*e) << '\n';
    return 1;
  }
  return 0;
}
