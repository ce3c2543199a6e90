// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/display_panel.hpp"

#include <QCheckBox>

namespace hz {
namespace {

// 6等星まで: the extended table ends at magnitude 6.
constexpr double faint_star_limit = 6.0;

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

bool DisplayPanel::toggle_for_key(int key) {
  QCheckBox* box = key == Qt::Key_C   ? lines_
                   : key == Qt::Key_V ? names_
                   : key == Qt::Key_B ? boundaries_
                                      : nullptr;
  if (!box) return false;
  box->toggle();
  return true;
}

}  // namespace hz
