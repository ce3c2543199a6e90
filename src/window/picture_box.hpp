#pragma once

#include <QWidget>

#include "render/image_surface.hpp"

namespace hz {

// A drawing surface on the window: shows its image whenever the surface is
// visible. The frame driver draws on the surface; the window calls sync()
// after each frame so the widget follows the surface's visible flag.
class PictureBox : public QWidget {
  Q_OBJECT
 public:
  PictureBox(const QString& name, QWidget* parent);
  ImageSurface& surface() { return surface_; }
  void sync();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ImageSurface surface_;
};

}  // namespace hz
