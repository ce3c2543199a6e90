// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/display_panel.hpp"

#include <QCheckBox>

namespace hz {
namespace {

// Positions in pixels inside the group: a row of 20 pixels a box.
QCheckBox* check_box(QGroupBox* parent, const char* name, const char* caption, int row) {
  auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
  box->setObjectName(name);
  box->setGeometry(8, 18 + 20 * row, 104, 18);
  return box;
}

}  // namespace

DisplayPanel::DisplayPanel(QWidget* parent) : QGroupBox(QStringLiteral("表示"), parent) {
  setObjectName("DisplayGroup");
  lines_ = check_box(this, "ConstellationLines", "星座線", 0);
  names_ = check_box(this, "ConstellationNames", "星座名", 1);
  boundaries_ = check_box(this, "ConstellationBoundaries", "星座の境界", 2);
  faint_stars_ = check_box(this, "FaintStars", "6等星まで", 3);
  for (QCheckBox* box : {lines_, names_, boundaries_, faint_stars_}) {
    connect(box, &QCheckBox::toggled, this, &DisplayPanel::optionsChanged);
  }
}

FrameOptions DisplayPanel::options(FrameOptions o) const {
  o.constellation_lines = lines_->isChecked();
  o.constellation_names = names_->isChecked();
  o.constellation_boundaries = boundaries_->isChecked();
  o.magnitude_limit.reset();
  if (faint_stars_->isChecked()) o.magnitude_limit = faint_star_limit;
  return o;
}

void DisplayPanel::toggle(SkySwitch s) {
  QCheckBox* box = s == SkySwitch::lines         ? lines_
                   : s == SkySwitch::names       ? names_
                   : s == SkySwitch::boundaries  ? boundaries_
                   : s == SkySwitch::faint_stars ? faint_stars_
                                                 : nullptr;
  if (box) box->toggle();
}

}  // namespace hz
