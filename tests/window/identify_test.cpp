// SPDX-License-Identifier: GPL-3.0-or-later
// Pointing at the sky: the hover tip names the object under the pointer on
// the frame on screen; the context menu's save writes that frame.
#include "steer/identify.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <string>

#include "support/table_rows.hpp"
#include "window/form1.hpp"
#include "window/picture_box.hpp"

namespace hz {
namespace {

using testing::star_row;

const int sirius = star_row("alp CMa");

struct Moment {
  const char *year, *month, *day, *hour;
};

// Tokyo, no timer ticks; two Starts, so a drawn frame is on screen.
void start_at(Form1& form, const Moment& m) {
  const std::pair<const char*, const char*> fields[] = {
      {"Text1", "139.7"}, {"Text2", "35.7"}, {"Text5", m.year}, {"Text6", m.month},
      {"Text7", m.day},   {"Text3", m.hour}, {"Text4", "0"},    {"Text11", ""}};
  for (const auto& [name, text] : fields) {
    QLineEdit* edit = form.findChild<QLineEdit*>(name);
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  for (int k = 0; k < 2; ++k) {
    QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
  }
}

PictureBox* visible_box(Form1& form) {
  for (PictureBox* p : form.findChildren<PictureBox*>()) {
    if (p->isVisibleTo(&form)) return p;
  }
  return nullptr;
}

// The pointer moved to (x, y) of the sky on screen; returns the tip shown.
QString hover(Form1& form, double x, double y) {
  PictureBox* box = visible_box(form);
  const QPointF pos(x, y);
  QMouseEvent move(QEvent::MouseMove, pos, box->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(box, &move);
  return box->tip();
}

QPointF place(const Form1& form, int i) {
  const ObjectRow& r = form.driver().shown_frame()->objects[i];
  EXPECT_TRUE(r.drawn) << i;
  return {r.xp.value_or(-100), r.yp.value_or(-100)};
}

const Moment kWinter{"2026", "1", "15", "23"};

TEST(Identify, TheTipNamesWhatIsUnderThePointer) {
  const int mars = sun_index + 4, regulus = star_row("alp Leo");
  struct Case {
    const char* what;
    Moment moment;
    int near, other;  // hover between two objects (the same one: on it)
    const char* named;
  } const cases[] = {
      {"Sirius on a winter night", kWinter, sirius, sirius, "シリウス (Sirius)\nα CMa\n-1.5 等"},
      {"Mars beside Regulus", {"2027", "5", "15", "21"}, mars, regulus, "火星 (Mars)\n高度"},
  };
  for (const Case& c : cases) {
    Form1 form;
    start_at(form, c.moment);
    const QPointF p = (place(form, c.near) + place(form, c.other)) / 2;
    const QString tip = hover(form, p.x(), p.y());
    EXPECT_TRUE(tip.startsWith(QString::fromUtf8(c.named))) << c.what << ": " << tip.toStdString();
    EXPECT_TRUE(tip.contains(QString::fromUtf8("赤経"))) << c.what;
  }
}

// Whether no drawn object lies within 10 pixels of (x, y).
bool clear_of_objects(const FrameReport& frame, double x, double y) {
  for (const ObjectRow& r : frame.objects) {
    if (r.drawn && std::hypot(*r.xp - x, *r.yp - y) < 10) return false;
  }
  return true;
}

TEST(Identify, EmptySkyNamesItsConstellation) {
  Form1 form;
  start_at(form, kWinter);
  const FrameReport& frame = *form.driver().shown_frame();
  struct Case {
    int star;  // empty sky found beside this star
    const char* named;
  } const cases[] = {{sirius, "おおいぬ座 (Canis Major)"},
                     {star_row("eps Ori"), "オリオン座 (Orion)"}};
  for (const Case& c : cases) {
    const QPointF star = place(form, c.star);
    QPointF empty(-1, -1);
    for (int r = 10; r <= 16 && empty.x() < 0; r += 2) {
      for (int k = 0; k < 8 && empty.x() < 0; ++k) {
        const QPointF p = star + QPointF(r * std::cos(k * pi / 4), r * std::sin(k * pi / 4));
        if (clear_of_objects(frame, p.x(), p.y())) empty = p;
      }
    }
    ASSERT_GE(empty.x(), 0) << c.named;
    EXPECT_FALSE(hover(form, star.x(), star.y()).isEmpty());
    EXPECT_EQ(hover(form, empty.x(), empty.y()).toStdString(), c.named) << "beside " << c.star;
  }
  EXPECT_EQ(hover(form, 5, 650), QString()) << "outside the field the tip goes away";
}

TEST(Identify, AFaintStarIsDescribedAsTheBrightOnesAre) {
  Form1 form;
  start_at(form, kWinter);
  form.findChild<QCheckBox*>("FaintStars")->click();  // no ticks: drawn again at once
  const FrameReport& frame = *form.driver().shown_frame();
  ASSERT_FALSE(frame.extended.empty());
  // A faint star with no other drawn object within 10 pixels.
  for (std::size_t k = 0; k < frame.extended.size(); ++k) {
    const ExtendedRow& e = frame.extended[k];
    if (!e.drawn || !clear_of_objects(frame, *e.xp, *e.yp)) continue;
    bool alone = true;
    for (const ExtendedRow& o : frame.extended) {
      if (&o != &e && o.drawn && std::hypot(*o.xp - *e.xp, *o.yp - *e.yp) < 10) alone = false;
    }
    if (!alone) continue;
    const int index = first_extended + static_cast<int>(k);
    const QString tip = hover(form, *e.xp, *e.yp);
    EXPECT_EQ(tip.toStdString(), describe_object(frame, form.driver().stars(), index));
    EXPECT_TRUE(tip.contains(QString::fromUtf8(" 等\n高度 "))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QString::fromUtf8("赤経"))) << tip.toStdString();
    return;
  }
  FAIL() << "no faint star stands alone";
}

TEST(Identify, AfterATickTheTipDescribesTheNewFrameOnScreen) {
  Form1 form;
  start_at(form, kWinter);
  const QPointF at = place(form, sirius);
  const QString before = hover(form, at.x(), at.y());
  form.Timer1_Timer();
  const PictureBox* box = visible_box(form);
  const std::string now =
      describe_object(*form.driver().shown_frame(), form.driver().stars(), sirius);
  EXPECT_EQ(box->tip(), QString::fromStdString(now));
  EXPECT_NE(box->tip(), before) << "a minute later Sirius stands elsewhere";
}

// From the Moon straight onto Saturn, 23 pixels below and right of it: the
// pointer runs onto the Moon's tip (which stands below and right of the
// pointer), so the box sees it leave, and come back onto Saturn when that tip
// goes away. Saturn is named then, without waiting for the pointer to move.
TEST(Identify, TheTipFollowsThePointerFromOneObjectOntoTheNext) {
  Form1 form;
  start_at(form, {"2026", "12", "18", "21"});
  PictureBox* box = visible_box(form);
  const QPointF moon = place(form, moon_index), saturn = place(form, sun_index + 6);
  EXPECT_TRUE(hover(form, moon.x(), moon.y()).startsWith(QString::fromUtf8("月")));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(box, &leave);
  EXPECT_EQ(box->tip(), QString());
  QEnterEvent enter(saturn, saturn, box->mapToGlobal(saturn));
  QApplication::sendEvent(box, &enter);
  EXPECT_TRUE(box->tip().startsWith(QString::fromUtf8("土星"))) << box->tip().toStdString();
}

TEST(Identify, SavingWritesTheFrameOnScreenOrSaysWhyNot) {
  Form1 form;
  start_at(form, kWinter);
  const PictureBox* box = visible_box(form);
  QTemporaryDir dir;
  const QString good = dir.filePath("sky.png");
  EXPECT_EQ(box->save_visible_frame(good), QString());
  const QImage saved(good);
  ASSERT_EQ(saved.size(), QSize(641, 665));
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
            const_cast<PictureBox*>(box)->surface().image().convertToFormat(QImage::Format_RGB32));
  EXPECT_TRUE(box->suggested_file_name().startsWith("hoshizora-2026-01-15-23"))
      << box->suggested_file_name().toStdString();

  const struct {
    QString path;
    const char* reason;
  } bad[] = {
      {dir.filePath("no such folder/sky.png"), "保存先のフォルダがありません"},
      {dir.path(), "同じ名前のフォルダがあります"},
      {QStringLiteral("/dev/full"), "ディスクに空きがありません"},
  };
  for (const auto& b : bad) {
    const QString why = box->save_visible_frame(b.path);
    EXPECT_TRUE(why.contains(QString::fromUtf8("保存できませんでした"))) << why.toStdString();
    EXPECT_TRUE(why.contains(QString::fromUtf8(b.reason))) << why.toStdString();
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
            QStringList{"sky.png"})
      << "a failed save leaves nothing behind";
}

// PDFに保存… writes the frame on screen (not the one drawn behind it, a
// minute on) as a page of the print style, its caption as text, by the one
// safe writer with its refusals.
TEST(Identify, SavingAChartWritesThePageOfTheMomentOnScreen) {
  Form1 form;
  start_at(form, kWinter);
  const PictureBox* box = visible_box(form);
  const FrameReport* on_screen = form.driver().frame_on_screen();
  ASSERT_NE(on_screen, nullptr);
  ASSERT_NE(on_screen->caption.time, form.driver().last_frame().caption.time);
  QTemporaryDir dir;
  const QString good = dir.filePath("sky.pdf");
  ASSERT_EQ(box->save_chart_pdf(good), QString());
  QFile pdf(good);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
  const std::string command = "pdftotext '" + good.toStdString() + "' - 2>&1";
  std::string text;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buf[4096];
    while (const std::size_t n = std::fread(buf, 1, sizeof buf, p)) text.append(buf, n);
    pclose(p);
  }
  EXPECT_NE(text.find(on_screen->caption.time), std::string::npos) << text;
  const QString why = box->save_chart_pdf(QStringLiteral("/dev/full"));
  EXPECT_TRUE(why.contains(QString::fromUtf8("ディスクに空きがありません"))) << why.toStdString();
}

}  // namespace
}  // namespace hz
