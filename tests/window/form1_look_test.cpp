// SPDX-License-Identifier: GPL-3.0-or-later
// What the window looks like: a picture of it on the offscreen platform,
// taken after a longitude is typed, read pixel by pixel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <utility>

#include "window/app_id.hpp"
#include "window/app_identity.hpp"
#include "window/form1.hpp"
#include "window/japanese.hpp"

namespace hz {
namespace {

class Form1Look : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.show();
    QLineEdit* text1 = form_.findChild<QLineEdit*>("Text1");
    ASSERT_NE(text1, nullptr);
    text1->setFocus();
    text1->clear();
    QTest::keyClicks(text1, "139.7");
    picture_ = form_.grab().toImage();
    ASSERT_EQ(picture_.size(), form_.size());
  }

  // The rectangle a control covers in the picture.
  QRect rect_of(const char* name) const {
    const QWidget* w = form_.findChild<QWidget*>(name);
    EXPECT_NE(w, nullptr) << name;
    if (!w) return {};
    return QRect(w->mapTo(&form_, QPoint(0, 0)), w->size());
  }

  QRgb at(int x, int y) const { return picture_.pixel(x, y) & 0xffffff; }

  Form1 form_;
  QImage picture_;
};

const QRgb kWhite = 0xffffff;

// The degree signs overlap the right edges of the text boxes beside them; the
// boxes lie above them, so each box's right edge is drawn like its left one.
TEST_F(Form1Look, TextBoxesAreDrawnWholeOverTheDegreeSigns) {
  struct Box {
    const char* text_box;
    const char* degree_label;
  } const boxes[] = {
      {"Text1", "Label5"},
      {"Text2", "Label14"},
      {"Text8", "Label8"},
      {"Text9", "Label9"},
  };
  for (const Box& b : boxes) {
    const QRect box = rect_of(b.text_box);
    const QRect right_edge(box.right(), box.top(), 1, box.height());
    ASSERT_TRUE(rect_of(b.degree_label).intersects(right_edge))
        << b.degree_label << " overlaps the right edge of " << b.text_box;
    // Between the rounded corners the frame is one colour down each side.
    for (int y = box.top() + 3; y <= box.bottom() - 3; ++y) {
      const QRgb frame = at(box.left(), y);
      EXPECT_NE(frame, kWhite) << b.text_box << ": left edge at y " << y;
      EXPECT_EQ(at(box.right(), y), frame)
          << b.text_box << ": right edge at y " << y << " (" << std::hex << at(box.right(), y)
          << " against " << frame << " on the left)";
    }
  }
}

// 「日」 is 12 px wide; at 9 px its right stroke was cut off and it read as 「E」.
TEST_F(Form1Look, DayLabelShowsItsWholeGlyph) {
  struct Label {
    const char* name;
    const char* caption;
    int width;
    int cut_at;  // the width that cut the glyph
  } const labels[] = {
      {"Label13", "日", 12, 9},
  };
  for (const Label& l : labels) {
    EXPECT_EQ(form_.findChild<QLabel*>(l.name)->text(), QString::fromUtf8(l.caption)) << l.name;
    const QRect r = rect_of(l.name);
    ASSERT_EQ(r.width(), l.width) << l.name;
    int dark = 0;
    for (int x = r.left() + l.cut_at; x <= r.right(); ++x) {
      for (int y = r.top(); y <= r.bottom(); ++y) dark += qGray(at(x, y)) < 128 ? 1 : 0;
    }
    EXPECT_GT(dark, 0) << l.name << ": no stroke right of " << l.cut_at << " px";
  }
}

// A place as the picker gives it shows whole in the longitude and latitude
// boxes: with the last digit added, the first stays where it was and the new
// one shows right of the others.
TEST_F(Form1Look, PlaceValuesShowWhole) {
  const auto dark_columns = [](QLineEdit* box, const char* text) {
    box->setText(QString::fromUtf8(text));
    box->setCursorPosition(0);
    const QImage img = box->grab().toImage();
    int first = -1, last = -1;
    for (int x = 3; x < img.width() - 3; ++x) {
      for (int y = 3; y < img.height() - 3; ++y) {
        if (qGray(img.pixel(x, y)) >= 128) continue;
        if (first < 0) first = x;
        last = x;
      }
    }
    return std::pair(first, last);
  };
  const struct {
    const char* box;
    const char* shorter;
    const char* whole;
  } cases[] = {
      {"Text1", "139.7", "139.74"}, {"Text2", "35.6", "35.68"}, {"Text1", "141.3", "141.35"}};
  for (const auto& c : cases) {
    QLineEdit* box = form_.findChild<QLineEdit*>(c.box);
    const auto [first_short, last_short] = dark_columns(box, c.shorter);
    const auto [first, last] = dark_columns(box, c.whole);
    EXPECT_EQ(first, first_short) << c.whole << " in " << c.box << ": its start scrolled away";
    EXPECT_GT(last, last_short + 2) << c.whole << " in " << c.box << ": its end cut off";
  }
}

// Inside the option frames, away from captions and option circles, the window
// stays white: no grey under the frames or under their option buttons.
TEST_F(Form1Look, OptionFramesAreWhiteInside) {
  struct Spot {
    const char* frame;
    QPoint at;  // relative to the frame
    const char* where;
  } const spots[] = {
      {"Frame1", {4, 24}, "left of the first option"},
      {"Frame1", {4, 44}, "left of the second option"},
      {"Frame1", {90, 24}, "right of the first option"},
      {"Frame1", {62, 24}, "the first option, after its caption"},
      {"Frame1", {78, 44}, "the second option, after its caption"},
      {"Frame1", {48, 53}, "below the options"},
      {"Frame2", {4, 24}, "left of the first option"},
      {"Frame2", {4, 44}, "left of the second option"},
      {"Frame2", {90, 24}, "right of the first option"},
      {"Frame2", {62, 24}, "the first option, after its caption"},
      {"Frame2", {86, 44}, "the second option, after its caption"},
      {"Frame2", {48, 53}, "below the options"},
  };
  for (const Spot& s : spots) {
    const QRect frame = rect_of(s.frame);
    ASSERT_TRUE(frame.contains(frame.topLeft() + s.at)) << s.frame;
    const QPoint p = frame.topLeft() + s.at;
    EXPECT_EQ(at(p.x(), p.y()), kWhite)
        << s.frame << ", " << s.where << ": " << std::hex << at(p.x(), p.y());
  }
}

TEST(AppIdentity, DesktopNameAndAnIconEvenWithoutAnInstalledTheme) {
  set_app_identity();
  EXPECT_EQ(QGuiApplication::desktopFileName(), QString::fromLatin1(app_id));
  const QImage icon = QApplication::windowIcon().pixmap(48, 48).toImage();
  ASSERT_FALSE(icon.isNull()) << "the built-in icon is missing";
  EXPECT_NE(icon.pixel(24, 24), icon.pixel(0, 0)) << "a picture, not a blank";
}

// Qt's own texts (the save dialog, the standard buttons) in Japanese too.
TEST(AppIdentity, QtsOwnButtonsSpeakJapanese) {
  ASSERT_TRUE(speak_japanese(*QCoreApplication::instance()))
      << "Qt's translations (qt6-translations-l10n) are missing";
  QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Save | QMessageBox::Cancel);
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8("キャンセル"));
}

}  // namespace
}  // namespace hz
