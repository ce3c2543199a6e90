#include "app/form1.hpp"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <map>
#include <vector>

#include "app/picture_box.hpp"
#include "render/fonts.hpp"

namespace hz {
namespace {

const char* const kGothic = "ＭＳ ゴシック";
const char* const kPGothic = "ＭＳ Ｐゴシック";

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
  const char* family;            // nullptr: the window font
  double points;
  int tab_index;
  const char* parent;  // frame holding an option button
};

// Every control of the window, as designed.
const ControlSpec kControls[] = {
    {Kind::title, "Label12", nullptr, 1920, 240, 5175, 495, kGothic, 20.25, 16, nullptr},
    {Kind::label, "Label1", "観測地の経度", 600, 1080, 1335, 375, nullptr, 0, 8, nullptr},
    {Kind::text, "Text1", " ", 1800, 960, 615, 375, kPGothic, 9.75, 0, nullptr},
    {Kind::label, "Label5", "ﾟ", 2280, 840, 255, 255, nullptr, 0, 23, nullptr},
    {Kind::label, "Label2", "観測地の緯度", 600, 1680, 1335, 375, nullptr, 0, 9, nullptr},
    {Kind::text, "Text2", " ", 1800, 1560, 615, 375, kPGothic, 9.75, 1, nullptr},
    {Kind::label, "Label14", "ﾟ", 2280, 1440, 255, 375, nullptr, 0, 24, nullptr},
    {Kind::text, "Text5", "", 3120, 960, 735, 390, kPGothic, 9.75, 20, nullptr},
    {Kind::label, "Label3", "年", 3960, 1080, 255, 255, nullptr, 0, 31, nullptr},
    {Kind::text, "Text6", "", 4200, 960, 495, 375, kPGothic, 9.75, 21, nullptr},
    {Kind::label, "Label10", "月", 4800, 1080, 255, 255, nullptr, 0, 32, nullptr},
    {Kind::text, "Text7", "", 5040, 960, 495, 375, kPGothic, 9.75, 22, nullptr},
    {Kind::label, "Label13", "日", 5640, 1080, 135, 255, nullptr, 0, 33, nullptr},
    {Kind::label, "Label4", "開始時刻     (JST)", 3120, 1560, 855, 375, nullptr, 0, 10, nullptr},
    {Kind::text, "Text3", "", 4080, 1560, 495, 375, kPGothic, 9.75, 18, nullptr},
    {Kind::label, "Label15", "時", 4680, 1680, 255, 255, nullptr, 0, 34, nullptr},
    {Kind::text, "Text4", "", 4920, 1560, 495, 375, kPGothic, 9.75, 19, nullptr},
    {Kind::label, "Label16", "分", 5520, 1680, 255, 255, nullptr, 0, 35, nullptr},
    {Kind::label, "Label6", "視線の高度", 6240, 1080, 975, 375, nullptr, 0, 11, nullptr},
    {Kind::text, "Text8", "90", 7320, 960, 495, 375, kPGothic, 9.75, 2, nullptr},
    {Kind::label, "Label8", "ﾟ", 7680, 840, 255, 255, kPGothic, 9, 13, nullptr},
    {Kind::label, "Label7", "視線の方位", 6240, 1680, 1095, 255, nullptr, 0, 12, nullptr},
    {Kind::text, "Text9", "180", 7320, 1560, 495, 375, kPGothic, 9.75, 6, nullptr},
    {Kind::label, "Label9", "ﾟ", 7680, 1440, 255, 255, nullptr, 0, 14, nullptr},
    {Kind::label, "Label11", "画面切換時間   （大きいと遅い）", 8040, 1560, 1455, 375, nullptr, 0,
     15, nullptr},
    {Kind::text, "Text11", " 10", 9480, 1560, 615, 375, kPGothic, 9.75, 7, nullptr},
    {Kind::frame, "Frame1", "等高度・方位線", 8640, 480, 1455, 855, kPGothic, 9, 25, nullptr},
    {Kind::option, "Option1", "描　く", 120, 240, 855, 255, kPGothic, 9, 26, "Frame1"},
    {Kind::option, "Option2", "描かない", 120, 480, 1095, 255, kPGothic, 9, 27, "Frame1"},
    {Kind::frame, "Frame2", "昼間の星", 10440, 480, 1455, 855, kPGothic, 9, 28, nullptr},
    {Kind::option, "Option3", "描　く", 120, 240, 855, 255, kPGothic, 9, 29, "Frame2"},
    {Kind::option, "Option4", "描かない", 120, 480, 1215, 300, kPGothic, 9, 30, "Frame2"},
    {Kind::button, "Command1", "開始", 10560, 1560, 1095, 615, kPGothic, 11.25, 3, nullptr},
    {Kind::button, "Command2", "中断/再開", 5160, 12360, 1095, 375, kPGothic, 9, 17, nullptr},
};

const std::map<Field, const char*> kFieldNames = {
    {Field::Text1, "Text1"},  {Field::Text2, "Text2"}, {Field::Text3, "Text3"},
    {Field::Text4, "Text4"},  {Field::Text5, "Text5"}, {Field::Text6, "Text6"},
    {Field::Text7, "Text7"},  {Field::Text8, "Text8"}, {Field::Text9, "Text9"},
    {Field::Text11, "Text11"}};

void paint_white(QWidget* w) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, Qt::white);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), timer_(this) {
  install_font_substitutes();
  setObjectName("Form1");
  setWindowTitle(product_title());
  setFont(make_font(kGothic, 9));
  paint_white(this);
  setFixedSize(12465 / 15, 13035 / 15);
  build_controls();
  Form_Load();
}

Form1::~Form1() = default;

QString Form1::product_title() { return QStringLiteral("星空プラネタリウム"); }

const char* Form1::object_name(Field f) { return kFieldNames.at(f); }

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
    if (c.kind == Kind::title) w->setFont(make_font(kGothic, 20.25, true));
    w->setProperty("tabIndex", c.tab_index);
    if (c.kind != Kind::text && c.kind != Kind::button) paint_white(w);
    if (w->focusPolicy() != Qt::NoFocus) tab_chain.emplace_back(c.tab_index, w);
  }
  std::sort(tab_chain.begin(), tab_chain.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tab_chain.size(); ++i) {
    setTabOrder(tab_chain[i - 1].second, tab_chain[i].second);
  }

  picture1_ = new PictureBox("Picture1", this);
  picture2_ = new PictureBox("Picture2", this);
  for (PictureBox* p : {picture1_, picture2_}) p->setGeometry(twips(600, 2160, 9615, 9975));
  picture1_->setProperty("tabIndex", 4);
  picture2_->setProperty("tabIndex", 5);

  connect(findChild<QPushButton*>("Command1"), &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(findChild<QPushButton*>("Command2"), &QPushButton::clicked, this, &Form1::Command2_Click);
  connect(&timer_.qtimer(), &QTimer::timeout, this, &Form1::Timer1_Timer);
}

// The window state's start: a frame driver whose first Start will set it up.
void Form1::Form_Load() {
  driver_ = std::make_unique<FrameDriver>(static_cast<const FieldReader&>(*this), timer_,
                                          picture1_->surface(), picture2_->surface());
}

void Form1::Command1_Click() {
  if (const auto refusal = driver_->command1_click()) {
    show_refusal(*refusal);
    return;
  }
  show_frame();
}

void Form1::Command2_Click() { driver_->command2_click(); }

void Form1::Timer1_Timer() {
  driver_->timer1_timer();
  show_frame();
}

void Form1::show_frame() {
  picture1_->sync();
  picture2_->sync();
}

void Form1::show_refusal(const StartRefusal& refusal) {
  if (refusal_box_) refusal_box_->close();
  refusal_box_ = new QMessageBox(QMessageBox::Warning, QStringLiteral("開始できません"),
                                 QString::fromStdString(refusal.message_ja), QMessageBox::Ok, this);
  refusal_box_->setObjectName("StartRefusal");
  refusal_box_->setAttribute(Qt::WA_DeleteOnClose);
  // Once the message is closed, the field to correct has the focus.
  QLineEdit* field = findChild<QLineEdit*>(kFieldNames.at(refusal.field));
  connect(refusal_box_, &QMessageBox::finished, field, [field] {
    field->setFocus();
    field->selectAll();
  });
  refusal_box_->open();
}

std::string Form1::text(Field f) const {
  return findChild<QLineEdit*>(kFieldNames.at(f))->text().toStdString();
}

bool Form1::option1() const { return findChild<QRadioButton*>("Option1")->isChecked(); }
bool Form1::option3() const { return findChild<QRadioButton*>("Option3")->isChecked(); }

}  // namespace hz
