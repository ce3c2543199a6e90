#include "window/picture_box.hpp"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QToolTip>

#include "frame/frame_driver.hpp"
#include "frame/identify.hpp"
#include "render_qt/png_image.hpp"

namespace hz {

PictureBox::PictureBox(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  surface_.set_visible(true);
}

void PictureBox::sync() {
  setVisible(surface_.visible());
  if (!surface_.visible()) return;
  update();
  // The pointer stays where it was while the boxes change places: the tip
  // follows the frame now on screen.
  for (PictureBox* other : parentWidget()->findChildren<PictureBox*>(Qt::FindDirectChildrenOnly)) {
    if (other == this || !other->pointer_) continue;
    pointer_ = other->pointer_;
    other->pointer_.reset();
    other->tip_.clear();
  }
  if (pointer_) show_tip();
}

QString PictureBox::tip_at(QPointF pos) const {
  const FrameReport* frame = driver_ ? driver_->shown_frame() : nullptr;
  if (!frame || !surface_.visible()) return {};
  const auto hit = object_at(*frame, driver_->stars(), pos.x(), pos.y());
  if (!hit) return {};
  return QString::fromStdString(describe_object(*frame, driver_->stars(), *hit));
}

void PictureBox::show_tip() {
  tip_ = tip_at(*pointer_);
  if (tip_.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(mapToGlobal(pointer_->toPoint()), tip_, this);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  pointer_ = event->position();
  show_tip();
  QWidget::mouseMoveEvent(event);
}

void PictureBox::leaveEvent(QEvent* event) {
  pointer_.reset();
  tip_.clear();
  QToolTip::hideText();
  QWidget::leaveEvent(event);
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, surface_.image());
}

QString PictureBox::save_visible_frame(const QString& path) const {
  const QFileInfo info(path);
  const QString failed = QStringLiteral("「%1」に保存できませんでした。\n").arg(path);
  if (info.isDir()) return failed + QStringLiteral("同じ名前のフォルダがあります。");
  if (!info.dir().exists()) return failed + QStringLiteral("保存先のフォルダがありません。");
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return failed + QStringLiteral("ファイルを作れません（%1）。").arg(file.errorString());
  }
  QImageWriter writer(&file, "png");
  if (!writer.write(png_ready(surface_.image()))) {
    file.cancelWriting();
    return failed + QStringLiteral("画像を書き込めません（%1）。").arg(writer.errorString());
  }
  if (!file.commit()) {
    return failed + QStringLiteral("書き込みを終えられません（%1）。").arg(file.errorString());
  }
  return {};
}

QString PictureBox::suggested_file_name() const {
  const FrameReport* frame = driver_ ? driver_->shown_frame() : nullptr;
  if (!frame) return QStringLiteral("hoshizora.png");
  // The numbers of the caption: year, month, day, hour, minute (JST).
  const QString caption = QString::fromStdString(frame->caption.date + " " + frame->caption.time);
  QStringList n;
  for (const auto& m : QRegularExpression("-?\\d+").globalMatch(caption)) n << m.captured();
  if (n.size() < 5) return QStringLiteral("hoshizora.png");
  const auto two = [](const QString& s) { return s.rightJustified(2, '0'); };
  return QStringLiteral("hoshizora-%1-%2-%3-%4%5.png")
      .arg(n[0], two(n[1]), two(n[2]), two(n[3]), two(n[4]));
}

void PictureBox::copy_visible_frame() const {
  QGuiApplication::clipboard()->setImage(surface_.image());
}

void PictureBox::save_with_dialog() {
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("この画面を保存"),
                                                    QDir::home().filePath(suggested_file_name()),
                                                    QStringLiteral("PNG 画像 (*.png)"));
  if (path.isEmpty()) return;
  const QString error = save_visible_frame(path);
  if (!error.isEmpty()) QMessageBox::warning(this, QStringLiteral("保存できません"), error);
}

void PictureBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(QStringLiteral("この画面を保存…"), this, &PictureBox::save_with_dialog);
  menu.addAction(QStringLiteral("画像をコピー"), this, &PictureBox::copy_visible_frame);
  menu.exec(event->globalPos());
}

}  // namespace hz
