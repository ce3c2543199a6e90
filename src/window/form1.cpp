// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.hpp"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>
#include <algorithm>
#include <string_view>
#include <vector>

#include "frame/field_table.hpp"
#include "places/places.hpp"
#include "render/device_scale.hpp"
#include "render_qt/fonts.hpp"
#include "steer/sky_controls.hpp"
#include "time/jst_now.hpp"
#include "window/almanac_window.hpp"
#include "window/control_names.hpp"
#include "window/display_panel.hpp"
#include "window/picture_box.hpp"
#include "window/steering_panel.hpp"

namespace hz {
namespace {

QFont make_font(const char* family, double points, bool bold = false) {
  QFont f(QString::fromUtf8(family));
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

// Twips to pixels at 96 dots per inch.
QRect twips(int left, int top, int width, int height) {
  return QRect(left / 15, top / 15, width / 15, height / 15);
}

enum class Kind { label, title, text, frame, option, button };

struct ControlSpec {
  Kind kind;
  const char* name;
  const char* caption;
  int left, top, width, height;  // twips, relative to the window or the frame
  const char* family = nullptr;  // nullptr: the window font
  double points = 0;
  int tab_index = 0;
  const char* parent = nullptr;  // frame holding an option button
};

// The captions of every option button.
const char* const kDraw = "描　く";
const char* const kDoNotDraw = "描かない";

// A text box, named and filled as the field table says.
ControlSpec text_box(Field f, int left, int top, int width, int height, int tab_index) {
  const FieldInfo& info = field_info(f);
  ControlSpec c{Kind::text, text_box_name(f), info.default_text, left, top, width, height};
  c.family = pgothic_face;
  c.points = 9.75;
  c.tab_index = tab_index;
  return c;
}

// The label naming a field, with the field table's caption, in the window font.
ControlSpec field_label(const char* name, Field f, int left, int top, int width, int height,
                        int tab_index) {
  ControlSpec c{Kind::label, name, field_info(f).caption_ja, left, top, width, height};
  c.tab_index = tab_index;
  return c;
}

// Every control of the window, as designed.
const ControlSpec kControls[] = {
    {Kind::title, "Label12", nullptr, 1920, 240, 5175, 495, gothic_face, 20.25, 16, nullptr},
    field_label("Label1", Field::longitude, 600, 1080, 1335, 375, 8),
    text_box(Field::longitude, 1800, 960, 615, 375, 0),
    {Kind::label, "Label5", "ﾟ", 2280, 840, 255, 255, nullptr, 0, 23, nullptr},
    field_label("Label2", Field::latitude, 600, 1680, 1335, 375, 9),
    text_box(Field::latitude, 1800, 1560, 615, 375, 1),
    {Kind::label, "Label14", "ﾟ", 2280, 1440, 255, 375, nullptr, 0, 24, nullptr},
    text_box(Field::year, 3120, 960, 735, 390, 20),
    field_label("Label3", Field::year, 3960, 1080, 255, 255, 31),
    text_box(Field::month, 4200, 960, 495, 375, 21),
    field_label("Label10", Field::month, 4800, 1080, 255, 255, 32),
    text_box(Field::day, 5040, 960, 495, 375, 22),
    field_label("Label13", Field::day, 5640, 1080, 180, 255, 33),  // 12 px: the whole 日
    {Kind::label, "Label4", "開始時刻     (JST)", 3120, 1560, 855, 375, nullptr, 0, 10, nullptr},
    text_box(Field::hour, 4080, 1560, 495, 375, 18),
    field_label("Label15", Field::hour, 4680, 1680, 255, 255, 34),
    text_box(Field::minute, 4920, 1560, 495, 375, 19),
    field_label("Label16", Field::minute, 5520, 1680, 255, 255, 35),
    field_label("Label6", Field::view_altitude, 6240, 1080, 975, 375, 11),
    text_box(Field::view_altitude, 7320, 960, 495, 375, 2),
    {Kind::label, "Label8", "ﾟ", 7680, 840, 255, 255, pgothic_face, 9, 13, nullptr},
    field_label("Label7", Field::view_azimuth, 6240, 1680, 1095, 255, 12),
    text_box(Field::view_azimuth, 7320, 1560, 495, 375, 6),
    {Kind::label, "Label9", "ﾟ", 7680, 1440, 255, 255, nullptr, 0, 14, nullptr},
    field_label("Label11", Field::frame_interval, 8040, 1560, 1455, 375, 15),
    text_box(Field::frame_interval, 9480, 1560, 615, 375, 7),
    {Kind::frame, grid_buttons.frame, grid_group.caption_ja, 8640, 480, 1455, 855, pgothic_face, 9,
     25, nullptr},
    {Kind::option, grid_buttons.on, kDraw, 120, 240, 855, 255, pgothic_face, 9, 26,
     grid_buttons.frame},
    {Kind::option, grid_buttons.off, kDoNotDraw, 120, 480, 1095, 255, pgothic_face, 9, 27,
     grid_buttons.frame},
    {Kind::frame, day_stars_buttons.frame, day_stars_group.caption_ja, 10440, 480, 1455, 855,
     pgothic_face, 9, 28, nullptr},
    {Kind::option, day_stars_buttons.on, kDraw, 120, 240, 855, 255, pgothic_face, 9, 29,
     day_stars_buttons.frame},
    {Kind::option, day_stars_buttons.off, kDoNotDraw, 120, 480, 1215, 300, pgothic_face, 9, 30,
     day_stars_buttons.frame},
    {Kind::button, "Command1", "開始", 10560, 1560, 1095, 615, pgothic_face, 11.25, 3, nullptr},
    {Kind::button, "Command2", "中断/再開", 5160, 12360, 1095, 375, pgothic_face, 9, 17, nullptr},
};

// The longitude and latitude boxes, 41 pixels wide, hold a place as the
// picker gives it (139.74, 35.68) whole: the text runs to the frame's inner
// edge, one pixel closer per character, in the box's face and size.
bool is_place_box(const char* name) {
  return std::string_view(name) == text_box_name(Field::longitude) ||
         std::string_view(name) == text_box_name(Field::latitude);
}
void fit_place_values(QLineEdit* box) {
  QFont f = box->font();
  f.setLetterSpacing(QFont::AbsoluteSpacing, -1);
  box->setFont(f);
  box->setTextMargins(-2, 0, -2, 0);  // the line edit's own 2 pixels each side
}

// White in the role the widget fills its background with: Window for most,
// Button for the option buttons (as for every QAbstractButton).
void paint_white(QWidget* w) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, Qt::white);
  p.setColor(w->backgroundRole(), Qt::white);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

// Fusion draws a frame's border from a picture whose inside is a translucent
// grey, whatever the palette says. A frame styled by this sheet is white
// inside, its line in the grey of the text boxes' frames; the line runs
// through the middle of the caption, as in the layout's first toolkit, above
// the option buttons (at 16 px) instead of under the caption, where the first
// option button covered it.
const char* const kWhiteFrame =
    "QGroupBox { background-color: white; border: 1px solid #b6b6b6; border-radius: 2px;"
    " margin-top: 7px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px;"
    " padding: 0px 1px; background-color: white; }";

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), timer_(this) {
  install_font_substitutes();
  setObjectName("Form1");
  setWindowTitle(product_title());
  setFont(make_font(gothic_face, 9));
  paint_white(this);
  setFixedSize(12465 / 15, 13035 / 15);
  build_controls();
  Form_Load();
}

Form1::~Form1() = default;

QString Form1::product_title() { return QStringLiteral("星空プラネタリウム"); }

void Form1::build_controls() {
  std::vector<std::pair<int, QWidget*>> tab_chain;
  for (const ControlSpec& c : kControls) {
    QWidget* parent = c.parent ? findChild<QWidget*>(c.parent) : this;
    const QString caption = QString::fromUtf8(c.kind == Kind::title ? "" : c.caption);
    QWidget* w = nullptr;
    switch (c.kind) {
      case Kind::title:
      case Kind::label: {
        auto* label = new QLabel(c.kind == Kind::title ? product_title() : caption, parent);
        label->setAlignment(c.kind == Kind::title ? Qt::AlignHCenter | Qt::AlignTop
                                                  : Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(c.kind == Kind::label);
        w = label;
        break;
      }
      case Kind::text:
        w = new QLineEdit(caption, parent);
        break;
      case Kind::frame:
        w = new QGroupBox(caption, parent);
        break;
      case Kind::option:
        w = new QRadioButton(caption, parent);
        break;
      case Kind::button:
        w = new QPushButton(caption, parent);
        break;
    }
    w->setObjectName(c.name);
    w->setGeometry(twips(c.left, c.top, c.width, c.height));
    if (c.family) w->setFont(make_font(c.family, c.points, c.kind == Kind::title));
    if (is_place_box(c.name)) fit_place_values(static_cast<QLineEdit*>(w));
    if (c.kind == Kind::title) w->setFont(make_font(gothic_face, 20.25, true));
    w->setProperty("tabIndex", c.tab_index);
    if (c.kind != Kind::text && c.kind != Kind::button) paint_white(w);
    if (c.kind == Kind::frame) w->setStyleSheet(QString::fromLatin1(kWhiteFrame));
    if (w->focusPolicy() != Qt::NoFocus) tab_chain.emplace_back(c.tab_index, w);
  }
  // Labels lie beneath every text box, as the windowless labels of the
  // layout's first toolkit did: the degree signs overlap the right edges of
  // Text1, Text2, Text8 and Text9, and their white must not hide them. Lowered
  // last first, the labels keep their order among themselves.
  const QList<QLabel*> labels = findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
  for (auto it = labels.rbegin(); it != labels.rend(); ++it) (*it)->lower();

  std::sort(tab_chain.begin(), tab_chain.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tab_chain.size(); ++i) {
    setTabOrder(tab_chain[i - 1].second, tab_chain[i].second);
  }

  // Between the fields and the sky, empty until a Start finds a field that
  // reads as 0 for want of a number.
  read_as_zero_ = new QLabel(this);
  read_as_zero_->setObjectName("ReadAsZeroNotice");
  read_as_zero_->setGeometry(40, 129, 640, 15);
  read_as_zero_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QPalette dark_red = read_as_zero_->palette();
  dark_red.setColor(QPalette::WindowText, QColor(0xb0, 0, 0));
  read_as_zero_->setPalette(dark_red);

  picture1_ = new PictureBox("Picture1", this);
  picture2_ = new PictureBox("Picture2", this);
  for (PictureBox* p : {picture1_, picture2_}) p->setGeometry(twips(600, 2160, 9615, 9975));
  picture1_->setProperty("tabIndex", 4);
  picture2_->setProperty("tabIndex", 5);
  // A click on the sky gives it the focus, for the keys C, V and B.
  for (PictureBox* p : {picture1_, picture2_}) p->setFocusPolicy(Qt::ClickFocus);

  // The right column, below Start, was empty: the display options.
  display_ = new DisplayPanel(this);
  display_->setGeometry(twips(10440, 2400, 1815, 1560));
  display_->setFont(make_font(pgothic_face, 9));
  paint_white(display_);
  display_->setStyleSheet(QString::fromLatin1(kWhiteFrame));
  for (QWidget* box : display_->findChildren<QWidget*>()) paint_white(box);
  connect(display_, &DisplayPanel::optionsChanged, this, &Form1::display_changed);

  // Below the display group: the almanac of the day on screen.
  auto* almanac_button = new QPushButton(QStringLiteral("暦"), this);
  almanac_button->setObjectName("AlmanacButton");
  almanac_button->setGeometry(twips(10560, 4080, 1095, 375));
  almanac_button->setFont(make_font(pgothic_face, 9));
  connect(almanac_button, &QPushButton::clicked, this, &Form1::open_almanac);
  // A line of sight typed by hand ends the ring of the last find.
  for (Field f : {Field::view_altitude, Field::view_azimuth}) {
    connect(findChild<QLineEdit*>(text_box_name(f)), &QLineEdit::textEdited, this,
            [this] { session_->view_typed(); });
  }
  // Before the first Start the almanac follows the typed place and date.
  for (QLineEdit* field : findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
    connect(field, &QLineEdit::editingFinished, this, &Form1::update_almanac);

  // Below 暦: zoom, the present moment and the place, finding, the step.
  steering_ = new SteeringPanel(this);
  steering_->move(10440 / 15, 4560 / 15);
  steering_->setFont(make_font(pgothic_face, 9));
  paint_white(steering_);
  steering_->setStyleSheet(QString::fromLatin1(kWhiteFrame));
  for (QWidget* w : steering_->findChildren<QWidget*>()) {
    if (!qobject_cast<QPushButton*>(w) && !qobject_cast<QLineEdit*>(w)) paint_white(w);
  }
  connect(steering_, &SteeringPanel::zoomChanged, this, &Form1::zoom_changed);
  connect(steering_, &SteeringPanel::nowClicked, this, &Form1::start_now);
  connect(steering_, &SteeringPanel::placeChosen, this, &Form1::choose_place);
  connect(steering_, &SteeringPanel::findRequested, this, &Form1::find_target);
  connect(steering_, &SteeringPanel::stepClicked, this, &Form1::step_clicked);
  connect(steering_, &SteeringPanel::trailsToggled, this, &Form1::display_changed);
  for (PictureBox* p : {picture1_, picture2_}) {
    connect(p, &PictureBox::dragged, this, &Form1::drag_view);
    connect(p, &PictureBox::zoomSteps, steering_, &SteeringPanel::zoom_by);
    connect(p, &PictureBox::centreOn, this, [this](const HorizonDirection& d) { set_view(d); });
    connect(p, &PictureBox::drawPath, this, [this](int object) {
      object == 0 ? session_->clear_path() : session_->draw_path(object);
      show_if_paused();
    });
  }

  connect(findChild<QPushButton*>("Command1"), &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(findChild<QPushButton*>("Command2"), &QPushButton::clicked, this, &Form1::Command2_Click);
  connect(&timer_.qtimer(), &QTimer::timeout, this, &Form1::Timer1_Timer);
}

// The window state's start: a session whose first Start will set it up.
void Form1::Form_Load() {
  session_ = std::make_unique<SkySession>(static_cast<FieldStore&>(*this), timer_,
                                          picture1_->surface(), picture2_->surface());
  // 実時間 follows the computer's steady clock.
  session_->driver().set_steady_clock([] {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  });
  for (PictureBox* p : {picture1_, picture2_}) p->set_driver(&session_->driver());
}

void Form1::Command1_Click() { show_outcome(session_->start()); }

void Form1::Command2_Click() {
  session_->pause_or_resume();
  steering_->set_paused(paused());
}

void Form1::Timer1_Timer() {
  session_->tick();
  show_frame();
}

void Form1::show_outcome(const StartOutcome& outcome) {
  read_as_zero_->setText(QString::fromStdString(outcome.read_as_zero_ja));
  if (outcome.refusal) {
    show_refusal(*outcome.refusal);
    return;
  }
  show_frame();
}

void Form1::show_frame() {
  // Hiding the box with the focus would pass the focus on to a text box:
  // the sky keeps it, on the box now shown.
  const bool sky_focused = qobject_cast<PictureBox*>(focusWidget()) != nullptr;
  picture1_->sync();
  picture2_->sync();
  if (sky_focused) (picture1_->isVisibleTo(this) ? picture1_ : picture2_)->setFocus();
  update_almanac();
  steering_->set_paused(paused());
  steering_->show_moment(QString::fromStdString(session_->seconds_line()));
}

void Form1::show_if_paused() {
  if (paused()) show_frame();
}

void Form1::open_almanac() {
  if (!almanac_) almanac_ = new AlmanacWindow(this);
  almanac_->show();
  almanac_->raise();
  update_almanac();
}

void Form1::update_almanac() {
  if (!almanac_ || !almanac_->isVisible()) return;
  const auto day = session_->almanac_day(jst_minute(clock_()));
  if (const auto* refusal = std::get_if<AlmanacRefusal>(&day)) {
    almanac_->show_reason(QString::fromStdString(refusal->message_ja));
    return;
  }
  const PlaceAndMoment& m = std::get<PlaceAndMoment>(day);
  almanac_->show_day(m.lon_obs, m.lat_obs, m.t2000);
}

bool Form1::paused() const { return session_->paused(); }

void Form1::display_changed() {
  session_->options_changed();
  show_if_paused();
}

void Form1::set_view(const HorizonDirection& view) {
  session_->set_view(view);
  show_if_paused();
}

void Form1::drag_view(const HorizonDirection& grabbed, QPointF pos) {
  session_->drag(grabbed, pos.x(), pos.y());
  show_if_paused();
}

void Form1::zoom_changed() {
  session_->view_changed();
  show_if_paused();
}

void Form1::restart() { show_outcome(session_->restart()); }

void Form1::start_now() { show_outcome(session_->now(jst_minute(clock_()))); }

void Form1::choose_place(const Place& place) {
  if (const auto outcome = session_->choose_place(place)) {
    show_outcome(*outcome);
    return;
  }
  update_almanac();  // not started: the almanac follows the typed place
}

void Form1::find_target(const QString& text) {
  steering_->show_find_result(QString::fromStdString(session_->find(text.toStdString())));
  show_if_paused();
}

void Form1::step_clicked(bool backward) {
  if (session_->step(backward)) show_frame();
}

// The name the web gives a key (KeyboardEvent.key), which the session's
// keys are told in; empty for a key the sky does not take.
static std::string key_name(int key) {
  switch (key) {
    case Qt::Key_C:
      return "c";
    case Qt::Key_V:
      return "v";
    case Qt::Key_B:
      return "b";
    case Qt::Key_E:
      return "e";
    case Qt::Key_Comma:
      return ",";
    case Qt::Key_Period:
      return ".";
    case Qt::Key_Semicolon:
      return ";";
    case Qt::Key_Plus:
      return "+";
    case Qt::Key_Equal:
      return "=";
    case Qt::Key_Minus:
      return "-";
    case Qt::Key_Up:
      return "ArrowUp";
    case Qt::Key_Down:
      return "ArrowDown";
    case Qt::Key_Left:
      return "ArrowLeft";
    case Qt::Key_Right:
      return "ArrowRight";
    default:
      return {};
  }
}

void Form1::keyPressEvent(QKeyEvent* event) {
  const bool on_sky = qobject_cast<PictureBox*>(focusWidget()) != nullptr;
  // The keypad's keys and the arrows may come with the keypad's flag.
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  const auto action = on_sky ? sky_key(key_name(event->key()), mods == Qt::ShiftModifier,
                                       (mods & ~Qt::ShiftModifier) != Qt::NoModifier)
                             : std::nullopt;
  if (!action) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  if (action->toggle == SkySwitch::trails) {
    steering_->toggle_trails();
  } else if (action->toggle) {
    display_->toggle(*action->toggle);
  } else if (action->zoom_steps != 0) {
    steering_->zoom_by(action->zoom_steps);
  } else {
    session_->turn(action->d_alt, action->d_az);
    show_if_paused();
  }
}

void Form1::show_refusal(const StartRefusal& refusal) {
  if (refusal_box_) refusal_box_->close();
  refusal_box_ = new QMessageBox(QMessageBox::Warning, QStringLiteral("開始できません"),
                                 QString::fromStdString(refusal.message_ja), QMessageBox::Ok, this);
  refusal_box_->setObjectName("StartRefusal");
  refusal_box_->setAttribute(Qt::WA_DeleteOnClose);
  // Once the message is closed, the field to correct has the focus.
  QLineEdit* field = findChild<QLineEdit*>(text_box_name(refusal.field));
  connect(refusal_box_, &QMessageBox::finished, field, [field] {
    field->setFocus();
    field->selectAll();
  });
  refusal_box_->open();
}

std::string Form1::text(Field f) const {
  return findChild<QLineEdit*>(text_box_name(f))->text().toStdString();
}

void Form1::set_text(Field f, const std::string& utf8) {
  QLineEdit* edit = findChild<QLineEdit*>(text_box_name(f));
  edit->setText(QString::fromStdString(utf8));
  edit->setCursorPosition(0);  // a narrow box shows the start: 「139.6」 of 139.69
}

FrameOptions Form1::options() const {
  FrameOptions o;
  o.grid = findChild<QRadioButton*>(grid_buttons.on)->isChecked();
  o.stars_by_day = findChild<QRadioButton*>(day_stars_buttons.on)->isChecked();
  // The sky as sharp as the screen it is on.
  o.pixel_ratio = pixel_ratio_for_screen(devicePixelRatioF());
  return steering_->options(display_->options(o));
}

void Form1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // On a screen of another scale the sky is drawn at once at its ratio when
  // it stands still; a running sky takes it with its next frame.
  QWindow* handle = window()->windowHandle();
  if (handle && !screen_watched_) {
    screen_watched_ = true;
    connect(handle, &QWindow::screenChanged, this, [this] { show_if_paused(); });
  }
}

}  // namespace hz
