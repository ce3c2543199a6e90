// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/steering_panel.hpp"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <algorithm>

#include "places/places.hpp"
#include "steer/find_view.hpp"
#include "steer/sky_controls.hpp"
#include "steer/view_steps.hpp"

namespace hz {
namespace {

// The panel is as wide as the 表示 group above it; every group's controls
// stand 4 pixels in from its sides (「（経緯度を入力）」 needs the width), a
// row of 24 pixels for a box or a button.
constexpr int panel_width = 121;
constexpr int inset = 4;
constexpr int inner_width = panel_width - 2 * inset;
constexpr int row_height = 24;
constexpr int group_gap = 8;

// A titled group of the panel, at y, of that height.
QGroupBox* group(QWidget* panel, const char* name, const char* title, int y, int height) {
  auto* g = new QGroupBox(QString::fromUtf8(title), panel);
  g->setObjectName(name);
  g->setGeometry(0, y, panel_width, height);
  return g;
}

// The find box's list, as the session names the objects.
QStringList target_label_list() {
  QStringList labels;
  for (const std::string& label : target_labels()) labels << QString::fromStdString(label);
  return labels;
}

}  // namespace

SteeringPanel::SteeringPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("SteeringPanel");
  int y = 0;
  const auto next = [&y](int height) {
    const int top = y;
    y += height + group_gap;
    return top;
  };
  build_zoom(group(this, "ZoomGroup", "視線", next(50), 50));
  build_moment(group(this, "MomentGroup", "日時・観測地", next(94), 94));
  build_find(group(this, "FindGroup", "天体を探す", next(104), 104));
  build_step(group(this, "StepGroup", "時間の進み", next(132), 132));
  resize(panel_width, y - group_gap);
}

void SteeringPanel::build_zoom(QWidget* g) {
  zoom_text_ = new QLabel(QString::fromStdString(zoom_text(1)), g);
  zoom_text_->setObjectName("ZoomText");
  // 「拡大 11.3×」 whole, with room to spare for a wider face.
  zoom_text_->setGeometry(inset, 20, 66, 20);
  zoom_out_ = new QPushButton(QStringLiteral("−"), g);
  zoom_out_->setObjectName("ZoomOut");
  zoom_out_->setGeometry(inset + 67, 18, 21, row_height);
  zoom_out_->setToolTip(QStringLiteral("縮小（空をクリックしてから − キーかホイールでも）"));
  zoom_in_ = new QPushButton(QStringLiteral("+"), g);
  zoom_in_->setObjectName("ZoomIn");
  zoom_in_->setGeometry(inset + 89, 18, 21, row_height);
  zoom_in_->setToolTip(QStringLiteral("拡大（空をクリックしてから + キーかホイールでも）"));
  connect(zoom_out_, &QPushButton::clicked, this, [this] { zoom_by(-1); });
  connect(zoom_in_, &QPushButton::clicked, this, [this] { zoom_by(1); });
  zoom_by(0);
}

void SteeringPanel::build_moment(QWidget* g) {
  auto* now = new QPushButton(QStringLiteral("今"), g);
  now->setObjectName("NowButton");
  now->setGeometry(inset, 18, inner_width, row_height);
  now->setToolTip(QStringLiteral("コンピューターの時計の今（日本時）から空を始めます"));
  connect(now, &QPushButton::clicked, this, &SteeringPanel::nowClicked);

  auto* caption = new QLabel(QStringLiteral("観測地"), g);
  caption->setGeometry(inset, 46, inner_width, 16);
  place_ = new QComboBox(g);
  place_->setObjectName("PlaceBox");
  place_->setGeometry(inset, 62, inner_width, row_height);
  place_->addItem(QStringLiteral("（経緯度を入力）"));
  for (const Place& p : places()) place_->addItem(QString::fromStdString(place_label(p)));
  place_->view()->setMinimumWidth(150);  // 「鹿児島（鹿児島県）」 whole in the list
  connect(place_, &QComboBox::activated, this, [this](int index) {
    if (index > 0) emit placeChosen(places()[static_cast<std::size_t>(index - 1)]);
  });
}

void SteeringPanel::build_find(QWidget* g) {
  find_ = new QLineEdit(g);
  find_->setObjectName("FindBox");
  find_->setGeometry(inset, 18, inner_width, row_height);
  find_->setPlaceholderText(QStringLiteral("木星、シリウス…"));
  auto* completer = new QCompleter(target_label_list(), find_);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  completer->setFilterMode(Qt::MatchContains);
  completer->popup()->setMinimumWidth(170);
  completer->popup()->installEventFilter(this);
  find_->setCompleter(completer);
  connect(find_, &QLineEdit::returnPressed, this, [this] { emit findRequested(find_->text()); });
  connect(completer, qOverload<const QString&>(&QCompleter::activated), this,
          [this](const QString& text) { emit findRequested(text); });

  find_result_ = new QLabel(g);
  find_result_->setObjectName("FindResult");
  find_result_->setGeometry(inset, 46, inner_width, 52);
  find_result_->setWordWrap(true);
  find_result_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void SteeringPanel::build_step(QWidget* g) {
  step_ = new QComboBox(g);
  step_->setObjectName("StepBox");
  step_->setGeometry(inset, 18, inner_width, row_height);
  for (const TimeStepChoice& c : time_step_choices()) step_->addItem(QString::fromUtf8(c.label_ja));
  step_->setCurrentIndex(static_cast<int>(SkyControls::standard_step_choice()));
  backward_ = new QCheckBox(QStringLiteral("逆向き"), g);
  backward_->setObjectName("BackwardBox");
  backward_->setGeometry(inset, 46, inner_width / 2, 18);
  // Beside it, as the sky runs: the stars' trails, as on a long exposure.
  trails_ = new QCheckBox(QStringLiteral("軌跡"), g);
  trails_->setObjectName("TrailsBox");
  trails_->setGeometry(inset + inner_width / 2, 46, inner_width - inner_width / 2, 18);
  trails_->setToolTip(QStringLiteral("星と天体が動いた跡を残す（T キー）"));
  connect(trails_, &QCheckBox::toggled, this, &SteeringPanel::trailsToggled);

  const int half = (inner_width - 5) / 2;
  step_back_ = new QPushButton(QStringLiteral("◀ 戻す"), g);
  step_back_->setObjectName("StepBack");
  step_back_->setGeometry(inset, 68, half, row_height);
  step_on_ = new QPushButton(QStringLiteral("進む ▶"), g);
  step_on_->setObjectName("StepOn");
  step_on_->setGeometry(inset + inner_width - half, 68, half, row_height);
  for (QPushButton* b : {step_back_, step_on_})
    b->setToolTip(QStringLiteral("中断しているとき、1 コマずつ戻す・進める"));
  connect(step_back_, &QPushButton::clicked, this, [this] { emit stepClicked(true); });
  connect(step_on_, &QPushButton::clicked, this, [this] { emit stepClicked(false); });
  set_paused(false);

  // With steps under a minute: the moment on screen to the second, the date
  // on one line and the time on the next.
  moment_ = new QLabel(g);
  moment_->setObjectName("StepMoment");
  moment_->setGeometry(inset, 94, inner_width, 32);
  moment_->setWordWrap(true);
  moment_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

FrameOptions SteeringPanel::options(FrameOptions o) const {
  o.zoom = zoom();
  o.step = step_of_choice(static_cast<std::size_t>(std::max(step_->currentIndex(), 0)),
                          backward_->isChecked());
  o.trails = trails_->isChecked();
  return o;
}

void SteeringPanel::toggle_trails() { trails_->toggle(); }

double SteeringPanel::zoom() const { return zoom_of_level(zoom_level_); }

void SteeringPanel::zoom_by(int steps) {
  const int level = zoom_level_after(zoom_level_, steps);
  const bool changed = level != zoom_level_;
  zoom_level_ = level;
  zoom_text_->setText(QString::fromStdString(zoom_text(zoom())));
  zoom_out_->setEnabled(level > 0);
  zoom_in_->setEnabled(level < zoom_level_max);
  if (changed) emit zoomChanged();
}

void SteeringPanel::set_paused(bool paused) {
  step_back_->setEnabled(paused);
  step_on_->setEnabled(paused);
}

void SteeringPanel::show_find_result(const QString& text) { find_result_->setText(text); }

void SteeringPanel::show_moment(const QString& text) { moment_->setText(text); }

bool SteeringPanel::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type t = event->type();
  QWidget* popup = find_->completer() ? find_->completer()->popup() : nullptr;
  if (watched == popup && (t == QEvent::Show || t == QEvent::Move || t == QEvent::Resize)) {
    int x = find_->mapToGlobal(QPoint(find_->width(), 0)).x() - popup->width();
    if (const QScreen* screen = find_->screen())
      x = std::max(x, screen->availableGeometry().left());
    if (popup->x() != x) popup->move(x, popup->y());
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace hz
