// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/almanac_window.hpp"

#include <QLabel>
#include <QTextDocument>
#include <QVBoxLayout>
#include <string>

#include "almanac/jst_day.hpp"
#include "steer/almanac_page.hpp"
#include "steer/disc_page.hpp"

namespace hz {

AlmanacWindow::AlmanacWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("AlmanacWindow");
  setWindowTitle(QStringLiteral("暦"));
  setAttribute(Qt::WA_DeleteOnClose, false);  // kept, and opened again as it was
  body_ = new QLabel(this);
  body_->setObjectName("AlmanacText");
  body_->setTextFormat(Qt::RichText);
  body_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(body_);
}

void AlmanacWindow::show_day(double lon, double lat, double t2000) {
  const std::optional<JstMoment> m = jst_moment(t2000);
  if (!m) {
    show_reason(QString::fromUtf8(no_almanac_ja));
    return;
  }
  const Shown now{lon, lat, m->date.yr, m->date.mn, m->date.dy};
  if (shown_ && *shown_ == now) return;
  const std::optional<std::string> page = almanac_page(lon, lat, m->date);
  if (!page) {
    show_reason(QString::fromUtf8(no_almanac_ja));
    return;
  }
  body_->setText(QString::fromStdString(*page + disc_html(t2000)));
  shown_ = now;
  adjustSize();
}

void AlmanacWindow::show_reason(const QString& reason) {
  body_->setText(reason.toHtmlEscaped());
  shown_.reset();
}

QString AlmanacWindow::text() const {
  QTextDocument doc;
  doc.setHtml(body_->text());
  return doc.toPlainText();
}

}  // namespace hz
