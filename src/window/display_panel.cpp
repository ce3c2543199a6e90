// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/display_panel.hpp"

#include <QCheckBox>
#include <QTabBar>
#include <QTabWidget>
#include <iterator>

namespace hz {
namespace {

// Positions in pixels inside a tab's page: a row of 16 pixels a box.
QCheckBox* check_box(QWidget* parent, const char* name, const char* caption, int row) {
  auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
  box->setObjectName(name);
  box->setGeometry(4, 1 + 16 * row, 104, 16);
  return box;
}

// The science lesson's boxes: tab, row, name, caption, switch, option.
struct LessonBox {
  int tab, row;
  const char* name;
  const char* caption;
  SkySwitch s;
  bool FrameOptions::*option;
};
constexpr LessonBox lesson_boxes[] = {
    {1, 0, "Equator", "天の赤道", SkySwitch::equator, &FrameOptions::equator},
    {1, 1, "Ecliptic", "黄道", SkySwitch::ecliptic, &FrameOptions::ecliptic},
    {1, 2, "Meridian", "子午線", SkySwitch::meridian, &FrameOptions::meridian},
    {1, 3, "EquatorialGrid", "赤経・赤緯線", SkySwitch::equatorial_grid,
     &FrameOptions::equatorial_grid},
    {2, 0, "MilkyWay", "天の川", SkySwitch::milky_way, &FrameOptions::milky_way},
    {2, 1, "StarNames", "星の名前", SkySwitch::star_names, &FrameOptions::star_names},
    {2, 2, "Asterisms", "星の並び", SkySwitch::asterisms, &FrameOptions::asterisms},
};

}  // namespace

DisplayPanel::DisplayPanel(QWidget* parent) : QGroupBox(QStringLiteral("表示"), parent) {
  setObjectName("DisplayGroup");
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("DisplayTabs");
  tabs_->setUsesScrollButtons(false);
  // Narrow tabs, so that four fit across the group and four rows beneath.
  tabs_->setStyleSheet(
      QStringLiteral("QTabWidget::pane { border: 1px solid #b6b6b6; top: -1px; background: white; }"
                     "QTabBar::tab { padding: 1px 6px; min-width: 0px; border: 1px solid #b6b6b6;"
                     " border-bottom: none; background: #e8e8e8; margin-right: 1px; }"
                     "QTabBar::tab:selected { background: white; }"
                     "QCheckBox { background: white; }"));
  tabs_->setGeometry(2, 14, 117, 89);
  QWidget* pages[3];
  const char* const titles[] = {"星座", "線", "星"};
  for (int k = 0; k < 3; ++k) {
    pages[k] = new QWidget;
    tabs_->addTab(pages[k], QString::fromUtf8(titles[k]));
  }
  lines_ = check_box(pages[0], "ConstellationLines", "星座線", 0);
  names_ = check_box(pages[0], "ConstellationNames", "星座名", 1);
  boundaries_ = check_box(pages[0], "ConstellationBoundaries", "星座の境界", 2);
  faint_stars_ = check_box(pages[0], "FaintStars", "6等星まで", 3);
  for (std::size_t k = 0; k < std::size(lesson_boxes); ++k) {
    const LessonBox& b = lesson_boxes[k];
    lesson_[k] = check_box(pages[b.tab], b.name, b.caption, b.row);
  }
  for (QCheckBox* box : findChildren<QCheckBox*>()) {
    connect(box, &QCheckBox::toggled, this, &DisplayPanel::optionsChanged);
  }
}

FrameOptions DisplayPanel::options(FrameOptions o) const {
  o.constellation_lines = lines_->isChecked();
  o.constellation_names = names_->isChecked();
  o.constellation_boundaries = boundaries_->isChecked();
  o.magnitude_limit.reset();
  if (faint_stars_->isChecked()) o.magnitude_limit = faint_star_limit;
  for (std::size_t k = 0; k < std::size(lesson_boxes); ++k)
    o.*lesson_boxes[k].option = lesson_[k]->isChecked();
  return o;
}

void DisplayPanel::toggle(SkySwitch s) {
  QCheckBox* box = s == SkySwitch::lines         ? lines_
                   : s == SkySwitch::names       ? names_
                   : s == SkySwitch::boundaries  ? boundaries_
                   : s == SkySwitch::faint_stars ? faint_stars_
                                                 : nullptr;
  for (std::size_t k = 0; k < std::size(lesson_boxes); ++k)
    if (lesson_boxes[k].s == s) box = lesson_[k];
  if (box) box->toggle();
}

}  // namespace hz
