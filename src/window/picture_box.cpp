// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/picture_box.hpp"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolTip>
#include <QWheelEvent>
#include <string>
#include <string_view>

#include "frame/chart_title.hpp"
#include "frame/frame_driver.hpp"
#include "output/safe_write.hpp"
#include "render/vector_surface.hpp"
#include "render_qt/chart_page.hpp"
#include "render_qt/png_encode.hpp"
#include "steer/identify.hpp"
#include "steer/path_target.hpp"
#include "steer/sky_session.hpp"
#include "window/save_reason.hpp"

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
    if (other == this) continue;
    // A drag goes on across the change: the moves now come here.
    if (other->grabbed_) {
      grabbed_ = other->grabbed_;
      moved_ = other->moved_;
      other->grabbed_.reset();
      other->moved_ = false;
    }
    if (!other->pointer_) continue;
    pointer_ = other->pointer_;
    other->pointer_.reset();
    other->tip_.clear();
  }
  if (pointer_ && !dragging()) show_tip();
}

QString PictureBox::tip_at(QPointF pos) const {
  const FrameReport* frame = driver_ ? driver_->shown_frame() : nullptr;
  if (!frame || !surface_.visible()) return {};
  return QString::fromStdString(describe_point(*frame, driver_->stars(), pos.x(), pos.y()));
}

void PictureBox::show_tip() {
  tip_ = tip_at(*pointer_);
  if (tip_.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(mapToGlobal(pointer_->toPoint()), tip_, this);
}

std::optional<HorizonDirection> PictureBox::direction_at_point(QPointF pos) const {
  const FrameReport* frame = driver_ ? driver_->shown_frame() : nullptr;
  if (!frame || !surface_.visible()) return std::nullopt;
  return direction_at(*frame, pos.x(), pos.y());
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    grabbed_ = direction_at_point(event->position());
    moved_ = false;
  }
  QWidget::mousePressEvent(event);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  pointer_ = event->position();
  if (grabbed_ && (event->buttons() & Qt::LeftButton)) {
    // The tip would name what passes under the pointer: none while dragging.
    moved_ = true;
    tip_.clear();
    QToolTip::hideText();
    emit dragged(*grabbed_, event->position());
  } else {
    show_tip();
  }
  QWidget::mouseMoveEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const bool was_dragging = dragging();
    grabbed_.reset();
    moved_ = false;
    if (was_dragging) show_tip();
  }
  QWidget::mouseReleaseEvent(event);
}

void PictureBox::wheelEvent(QWheelEvent* event) {
  // The wheel turns over the sky, wherever the focus was: the sky takes it,
  // so that the keys + and - go on from there.
  setFocus(Qt::MouseFocusReason);
  // A notch is 120 eighths of a degree; touchpads send less at a time.
  wheel_angle_ += event->angleDelta().y();
  const int steps = wheel_angle_ / 120;
  wheel_angle_ -= 120 * steps;
  if (steps != 0) emit zoomSteps(steps);
  event->accept();
}

// The pointer comes onto the sky, also when the tip it had moved onto (a tip
// stands just below and right of the pointer, over the sky) goes away under
// it: the object there is named without waiting for the pointer to move.
void PictureBox::enterEvent(QEnterEvent* event) {
  pointer_ = event->position();
  show_tip();
  QWidget::enterEvent(event);
}

void PictureBox::leaveEvent(QEvent* event) {
  pointer_.reset();
  tip_.clear();
  QToolTip::hideText();
  QWidget::leaveEvent(event);
}

void PictureBox::paintEvent(QPaintEvent*) {
  // The image has pixel_ratio device pixels a logical one: drawn on the
  // box's logical 641 x 665, one to one on a screen of that ratio.
  QImage image = surface_.image();
  image.setDevicePixelRatio(surface_.pixel_ratio());
  QPainter painter(this);
  painter.drawImage(QRectF(0, 0, surface_width, surface_height), image);
}

namespace {

// The frame on screen drawn again as shapes, with the title of a printed
// chart; nothing before the first frame.
struct ChartOnScreen {
  VectorSurface chart;
  std::string title;
};
std::unique_ptr<ChartOnScreen> chart_on_screen(const FrameDriver* driver) {
  const FrameReport* frame = driver ? driver->frame_on_screen() : nullptr;
  if (!frame) return nullptr;
  auto c = std::make_unique<ChartOnScreen>();
  c->title = chart_title(driver->draw_copy(c->chart, *frame), "");
  return c;
}

// Writes a file by the one safe writer; returns why it could not, in
// Japanese, or an empty text.
QString saved(const QString& path, std::string_view bytes) {
  const QString failed = QStringLiteral("「%1」に保存できませんでした。\n").arg(path);
  // The name as the file system spells it; the file is replaced whole or not at all.
  const std::string name = QFile::encodeName(path).toStdString();
  const bool had_file = QFileInfo(path).isFile();
  const auto error = write_file(name, bytes);
  if (!error) return {};
  QString why = failed + save_reason_ja(error->error) + QStringLiteral("。");
  if (had_file) why += QStringLiteral("\n前からあったファイルはそのまま残っています。");
  return why;
}

}  // namespace

QString PictureBox::save_visible_frame(const QString& path) const {
  const auto png = png_encode(surface_.image());
  if (!png) {
    return QStringLiteral("「%1」に保存できませんでした。\n画像を PNG にできませんでした。")
        .arg(path);
  }
  return saved(path, std::string_view(png->constData(), png->size()));
}

QString PictureBox::save_chart_pdf(const QString& path) const {
  const QString failed = QStringLiteral("「%1」に保存できませんでした。\n").arg(path);
  const auto chart = chart_on_screen(driver_);
  if (!chart) return failed + QStringLiteral("まだ星空が描かれていません。");
  const auto pdf = pdf_chart(chart->chart.drawing(), ChartStyle::print, chart->title, Paper::a4);
  if (!pdf) return failed + QStringLiteral("PDF を作れませんでした。");
  return saved(path, std::string_view(pdf->constData(), pdf->size()));
}

QString PictureBox::suggested_file_name() const {
  return QString::fromStdString(frame_file_name(driver_ ? driver_->shown_frame() : nullptr));
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

void PictureBox::save_pdf_with_dialog() {
  QString name = suggested_file_name();
  if (name.endsWith(QStringLiteral(".png"))) name.chop(4);
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("PDFに保存"),
                                                    QDir::home().filePath(name + ".pdf"),
                                                    QStringLiteral("PDF (*.pdf)"));
  if (path.isEmpty()) return;
  const QString error = save_chart_pdf(path);
  if (!error.isEmpty()) QMessageBox::warning(this, QStringLiteral("保存できません"), error);
}

void PictureBox::print_with_dialog() {
  // The moment on screen now: the sky may move on while the dialog is open.
  const auto chart = chart_on_screen(driver_);
  if (!chart) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  printer.setDocName(QString::fromStdString(chart->title));
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(QStringLiteral("印刷"));
  if (dialog.exec() != QDialog::Accepted) return;
  printer.setFullPage(true);  // the margins are the chart's own
  QPainter painter;
  if (!painter.begin(&printer)) {
    QMessageBox::warning(this, QStringLiteral("印刷できません"),
                         QStringLiteral("プリンターに描けませんでした。"));
    return;
  }
  const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
  const double margin = chart_margin_mm / 25.4 * printer.resolution();
  paint_chart_page(painter, QRectF(0, 0, paper.width(), paper.height()), margin,
                   chart->chart.drawing(), ChartStyle::print, chart->title);
  painter.end();
}

void PictureBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(QStringLiteral("この画面を保存…"), this, &PictureBox::save_with_dialog);
  menu.addAction(QStringLiteral("画像をコピー"), this, &PictureBox::copy_visible_frame);
  menu.addSeparator();
  menu.addAction(QStringLiteral("印刷…"), this, &PictureBox::print_with_dialog);
  menu.addAction(QStringLiteral("PDFに保存…"), this, &PictureBox::save_pdf_with_dialog);
  if (const auto direction = direction_at_point(event->pos())) {
    menu.addSeparator();
    menu.addAction(QStringLiteral("ここを中心に"), this,
                   [this, d = *direction] { emit centreOn(d); });
  }
  // The body under the pointer, else the one last found.
  const FrameReport* frame = driver_ && surface_.visible() ? driver_->shown_frame() : nullptr;
  const QPointF at = event->pos();
  if (const auto body =
          frame ? path_target(*frame, driver_->stars(), at.x(), at.y()) : std::nullopt) {
    menu.addSeparator();
    menu.addAction(QString::fromStdString(path_action_text(*body)), this,
                   [this, i = *body] { emit drawPath(i); });
  }
  if (frame && frame->options.path)
    menu.addAction(QStringLiteral("動きを消す"), this, [this] { emit drawPath(0); });
  menu.exec(event->globalPos());
}

}  // namespace hz
