// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.hpp"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "common/constants.hpp"
#include "time/calendar.hpp"
#include "window/almanac_window.hpp"
#include "window/picture_box.hpp"
#include "window/window_driving.hpp"

namespace hz {
namespace {

using testing::child;
using testing::press;
using testing::press_start;
using testing::type_into;

TEST(Form1, LayoutAsDesigned) {
  Form1 form;
  EXPECT_EQ(form.size(), QSize(831, 869)) << "12465 x 13035 twips";
  EXPECT_EQ(form.windowTitle(), child<QLabel>(form, "Label12")->text());

  struct Geometry {
    const char* name;
    QRect rect;
  } const geometries[] = {
      {"Picture1", {40, 144, 641, 665}}, {"Picture2", {40, 144, 641, 665}},
      {"Command1", {704, 104, 73, 41}},  {"Command2", {344, 824, 73, 25}},
      {"Text11", {632, 104, 41, 25}},    {"Frame2", {696, 32, 97, 57}},
      {"Option4", {8, 32, 81, 20}},      {"Label12", {128, 16, 345, 33}},
      {"Label13", {376, 72, 12, 17}},
  };
  for (const auto& g : geometries) {
    EXPECT_EQ(child<QWidget>(form, g.name)->geometry(), g.rect) << g.name;
  }
  EXPECT_EQ(child<QRadioButton>(form, "Option3")->parentWidget()->objectName(), "Frame2");
}

TEST(Form1, TheDisplayGroupFillsTheEmptyRightColumn) {
  Form1 form;
  const QGroupBox* group = child<QGroupBox>(form, "DisplayGroup");
  EXPECT_EQ(group->title(), QString::fromUtf8("表示"));
  EXPECT_EQ(group->geometry(), QRect(696, 160, 121, 104)) << "10440, 2400, 1815, 1560 twips";
  for (const QWidget* w : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w == group || w->objectName().isEmpty()) continue;
    EXPECT_FALSE(w->geometry().intersects(group->geometry())) << w->objectName().toStdString();
  }
  const char* const boxes[][2] = {{"ConstellationLines", "星座線"},
                                  {"ConstellationNames", "星座名"},
                                  {"ConstellationBoundaries", "星座の境界"},
                                  {"FaintStars", "6等星まで"}};
  for (const auto& [name, caption] : boxes) {
    const QCheckBox* box = child<QCheckBox>(form, name);
    EXPECT_EQ(box->text(), QString::fromUtf8(caption));
    EXPECT_FALSE(box->isChecked()) << name << ": off at start";
    EXPECT_TRUE(group->rect().contains(box->geometry())) << name;
  }
}

// 暦 under the display group opens a window of its own, beside the sky, for
// the typed place and date (Tokyo, 2006-01-22: no moonrise), and keeps to
// the date of the sky on screen as it runs past midnight.
TEST(Form1, TheAlmanacOpensOnTheTypedDayAndFollowsTheSky) {
  Form1 form;
  EXPECT_EQ(child<QPushButton>(form, "AlmanacButton")->geometry(), QRect(704, 272, 73, 25));
  const char* const typed[][2] = {{"Text1", "139.7333333"}, {"Text2", "35.65"}, {"Text5", "2006"},
                                  {"Text6", "1"},           {"Text7", "22"},    {"Text3", "23"},
                                  {"Text4", "58"},          {"Text11", "1"}};
  for (const auto& [name, text] : typed) type_into(form, name, text);
  press(form, "AlmanacButton");
  const AlmanacWindow* almanac = form.almanac_window();
  ASSERT_NE(almanac, nullptr);
  EXPECT_TRUE(almanac->isVisible());
  EXPECT_FALSE(almanac->isModal());
  for (const char* shown : {"2006年1月22日", "月齢 22.0", "--:--", "下弦", "木星"}) {
    EXPECT_TRUE(almanac->text().contains(QString::fromUtf8(shown)))
        << shown << "\n"
        << almanac->text().toStdString();
  }
  press_start(form);
  QTRY_VERIFY_WITH_TIMEOUT(almanac->text().contains(QString::fromUtf8("2006年1月23日")), 10000);
}

// Before any date is typed the 暦 shows the day of the computer's clock in
// Japan, and before a place is typed it asks for one; never the year -1 of
// blank fields.
TEST(Form1, TheAlmanacBeforeInputShowsTodayOrAsksForAPlace) {
  using namespace std::chrono;
  const char* const ask = "観測地の経度と緯度を入力するか、観測地を選んでください";
  const struct {
    const char* why;
    const char *longitude, *latitude, *year;
    const char* shown;
  } cases[] = {
      {"nothing typed", " ", " ", "", ask},
      {"a place, no date: today in Japan (15:30 UT is 0:30 JST of the next day)", "139.7", "35.7",
       "", "2026年12月10日"},
      {"a date but no place", "", "", "2027", ask},
  };
  for (const auto& c : cases) {
    Form1 form;
    form.set_clock([] { return system_clock::time_point(sys_days{2026y / 12 / 9} + 15h + 30min); });
    type_into(form, "Text1", c.longitude);
    type_into(form, "Text2", c.latitude);
    type_into(form, "Text5", c.year);
    press(form, "AlmanacButton");
    const QString text = form.almanac_window()->text();
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.shown))) << c.why << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QString::fromUtf8("-1年"))) << c.why;
  }
}

TEST(Form1, DisplayKeysOnTheSkyAndAChangeWhilePausedShowsAtOnce) {
  Form1 form;
  testing::start_tokyo_paused(form);
  const double shown = form.driver().shown_frame()->t2000;
  const double last = form.driver().last_frame().t2000;

  struct Case {
    const char* focus;  // the widget with the focus
    Qt::Key key;
    const char* box;  // the check box the key toggles, or none
  } const cases[] = {{"Text1", Qt::Key_C, nullptr},
                     {"sky", Qt::Key_C, "ConstellationLines"},
                     {"sky", Qt::Key_V, "ConstellationNames"},
                     {"sky", Qt::Key_B, "ConstellationBoundaries"},
                     {"sky", Qt::Key_E, "EquatorialGrid"},
                     {"sky", Qt::Key_Comma, "Ecliptic"},
                     {"sky", Qt::Key_Period, "Equator"},
                     {"sky", Qt::Key_Semicolon, "Meridian"},
                     {"sky", Qt::Key_X, nullptr}};
  for (const Case& c : cases) {
    const std::string on = c.focus + std::string(" ") + static_cast<char>(c.key);
    QWidget* target = nullptr;
    if (std::string(c.focus) == "sky") {
      for (PictureBox* p : form.findChildren<PictureBox*>()) {
        if (p->isVisibleTo(&form)) target = p;
      }
      QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(320, 350));
    } else {
      target = child<QWidget>(form, c.focus);
    }
    target->setFocus();
    const FrameOptions before = form.driver().shown_frame()->options;
    QTest::keyClick(target, c.key);
    const FrameOptions after = form.driver().shown_frame()->options;
    if (c.box) {
      EXPECT_TRUE(child<QCheckBox>(form, c.box)->isChecked()) << on;
      EXPECT_NE(after, before) << on << ": drawn again at once";
    } else {
      EXPECT_EQ(after, before) << on;
    }
  }
  EXPECT_EQ(child<QLineEdit>(form, "Text1")->text(), "139.7c") << "typed, not taken";
  const FrameOptions o = form.driver().last_frame().options;
  EXPECT_TRUE(o.constellation_lines && o.constellation_names && o.constellation_boundaries)
      << "the next frame to show has them too";
  EXPECT_EQ(form.driver().shown_frame()->t2000, shown) << "the clock stays";
  EXPECT_EQ(form.driver().last_frame().t2000, last);
  EXPECT_FALSE(form.timer().enabled());
}

TEST(Form1, CaptionsAndTextsAtStart) {
  Form1 form;
  EXPECT_EQ(child<QRadioButton>(form, "Option1")->text(), QString::fromUtf8("描\u3000く"))
      << "an ideographic space between the two characters";
  EXPECT_EQ(child<QLabel>(form, "Label5")->text(), QString::fromUtf8("\uFF9F")) << "half-width ﾟ";
  EXPECT_EQ(child<QLabel>(form, "Label4")->text(), QString::fromUtf8("開始時刻     (JST)"));
  EXPECT_EQ(child<QLabel>(form, "Label11")->text(),
            QString::fromUtf8("画面切換時間   （大きいと遅い）"));
  EXPECT_EQ(child<QLineEdit>(form, "Text1")->text(), " ");
  EXPECT_EQ(child<QLineEdit>(form, "Text5")->text(), "");
  EXPECT_EQ(child<QLineEdit>(form, "Text8")->text(), "90");
  EXPECT_EQ(child<QLineEdit>(form, "Text9")->text(), "180");
  EXPECT_EQ(child<QLineEdit>(form, "Text11")->text(), " 10");
  for (const char* name : {"Option1", "Option2", "Option3", "Option4"}) {
    EXPECT_FALSE(child<QRadioButton>(form, name)->isChecked()) << name << ": no selection at start";
  }
  QTimer* timer1 = child<QTimer>(form, "Timer1");
  EXPECT_FALSE(timer1->isActive()) << "disabled at start";
  EXPECT_EQ(form.timer().interval(), 0);
}

TEST(Form1, FontsResolveToTheIpaGothicFaces) {
  Form1 form;
  const QFont text_font = child<QLineEdit>(form, "Text1")->font();
  EXPECT_EQ(text_font.pointSizeF(), 9.75) << "fractional size kept, not truncated to 9";
  EXPECT_EQ(QFontInfo(text_font).family(), "IPAPGothic");
  EXPECT_EQ(QFontInfo(child<QLabel>(form, "Label1")->font()).family(), "IPAGothic");
  EXPECT_EQ(child<QLabel>(form, "Label1")->font().pointSizeF(), 9.0);
  const QFont title = child<QLabel>(form, "Label12")->font();
  EXPECT_EQ(title.pointSizeF(), 20.25);
  EXPECT_TRUE(title.bold());
  EXPECT_EQ(child<QPushButton>(form, "Command1")->font().pointSizeF(), 11.25);
}

TEST(Form1, TabOrderFollowsTheDesign) {
  Form1 form;
  const char* expected[] = {"Text1",    "Text2", "Text8", "Command1", "Text9", "Text11",
                            "Command2", "Text3", "Text4", "Text5",    "Text6", "Text7"};
  QWidget* w = child<QWidget>(form, "Text1");
  for (std::size_t i = 1; i < std::size(expected); ++i) {
    w = w->nextInFocusChain();
    while (w->focusPolicy() == Qt::NoFocus || !w->isEnabled()) w = w->nextInFocusChain();
    EXPECT_EQ(w->objectName(), expected[i]) << "after " << expected[i - 1];
  }
}

TEST(Form1, StartDrawsAndRunsTheTimerPauseStopsIt) {
  Form1 form;
  type_into(form, "Text1", "135");
  type_into(form, "Text2", "35");
  type_into(form, "Text5", "2026");
  type_into(form, "Text6", "12");
  type_into(form, "Text7", "7");
  type_into(form, "Text3", "21");
  type_into(form, "Text4", "0");
  press_start(form);
  EXPECT_TRUE(form.driver().started());
  EXPECT_FALSE(child<PictureBox>(form, "Picture1")->isVisibleTo(&form)) << "drawn while hidden";
  EXPECT_TRUE(child<PictureBox>(form, "Picture2")->isVisibleTo(&form));
  EXPECT_TRUE(form.timer().qtimer().isActive());
  EXPECT_EQ(form.timer().qtimer().interval(), 100);

  QTest::mouseClick(child<QPushButton>(form, "Command2"), Qt::LeftButton);
  EXPECT_FALSE(form.timer().qtimer().isActive());
  QTest::mouseClick(child<QPushButton>(form, "Command2"), Qt::LeftButton);
  EXPECT_TRUE(form.timer().qtimer().isActive());

  type_into(form, "Text11", "");
  press_start(form);
  EXPECT_TRUE(form.timer().enabled());
  EXPECT_FALSE(form.timer().qtimer().isActive()) << "interval 0 must not fire continuously";
}

TEST(Form1, TicksDrawFrames) {
  Form1 form;
  type_into(form, "Text11", "1");  // 10 ms
  press_start(form);
  const double first = form.driver().last_frame().t2000;
  const double minute = 1.0 / 1440 / 36525;
  QTRY_VERIFY_WITH_TIMEOUT(form.driver().last_frame().t2000 > first + 2.5 * minute, 10000);
}

TEST(Form1, ARefusedStartSaysWhyAndCanBeCorrected) {
  Form1 form;
  type_into(form, "Text6", "14");
  press_start(form);
  ASSERT_NE(form.refusal_box(), nullptr);
  EXPECT_TRUE(form.refusal_box()->isVisible());
  EXPECT_TRUE(form.refusal_box()->text().contains(QString::fromUtf8("月")));
  EXPECT_FALSE(form.driver().started());
  EXPECT_FALSE(form.timer().qtimer().isActive());

  form.refusal_box()->accept();
  QTRY_COMPARE(form.refusal_box(), nullptr);
  EXPECT_EQ(child<QLineEdit>(form, "Text6")->selectedText(), "14") << "the field to correct";
  type_into(form, "Text6", "12");
  press_start(form);
  EXPECT_TRUE(form.driver().started());
}

// What an input method types (committed as text, not keys): full-width
// digits read as ASCII ones; a field that does not begin with a number reads
// as 0 and the window says so beside the fields until the next Start.
TEST(Form1, FullWidthFieldsReadAsAsciiAndTheWindowTellsWhatReadsAsZero) {
  const auto commit = [](Form1& form, const char* name, const char* text) {
    QLineEdit* edit = child<QLineEdit>(form, name);
    edit->clear();
    edit->setFocus();
    QTest::sendKeyEvent(QTest::KeyAction::Click, edit, Qt::Key_unknown, QString::fromUtf8(text),
                        Qt::NoModifier);
  };
  const struct {
    const char* why;
    const char* longitude;
    const char* year;
    double lon_deg, year_read;
    const char* notice;
  } cases[] = {
      {"full-width digits, point and year sign", "１３９．７４", "２０２６年", 139.74, 2026, ""},
      {"full-width minus", "－７０．５", "2026", -70.5, 2026, ""},
      {"the minus sign U+2212", "−７０．５", "2026", -70.5, 2026, ""},
      {"letters read as 0, and the window says so", "abc", "2026", 0, 2026,
       "「観測地の経度」の欄が数として読めないため 0 とします"},
      {"two such fields in one line", "東経139", "年2026", 0, 0,
       "「観測地の経度」「年」の欄が数として読めないため 0 とします"},
      {"a blank field reads as 0 without a word", " ", "2026", 0, 2026, ""},
  };
  for (const auto& c : cases) {
    Form1 form;
    commit(form, "Text1", c.longitude);
    commit(form, "Text5", c.year);
    for (const char* name : {"Text6", "Text7"}) type_into(form, name, "7");
    press_start(form);
    ASSERT_TRUE(form.driver().started()) << c.why;
    EXPECT_NEAR(form.driver().last_frame().lon_obs / rd, c.lon_deg, 1e-9) << c.why;
    const auto date = centuries_to_jst_date(form.driver().last_frame().t2000);
    ASSERT_TRUE(date) << c.why;
    EXPECT_EQ(date->date.yr, c.year_read) << c.why;
    const QLabel* notice = child<QLabel>(form, "ReadAsZeroNotice");
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->text().toStdString(), c.notice) << c.why;
    type_into(form, "Text1", "139");
    type_into(form, "Text5", "2026");
    press_start(form);
    EXPECT_EQ(notice->text(), "") << c.why << ": gone at the next Start";
  }
}

}  // namespace
}  // namespace hz
