#include "window/picture_box.hpp"

#include <QPainter>

namespace hz {

PictureBox::PictureBox(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setAttribute(Qt::WA_OpaquePaintEvent);
  surface_.set_visible(true);
}

void PictureBox::sync() {
  setVisible(surface_.visible());
  if (surface_.visible()) update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, surface_.image());
}

}  // namespace hz
