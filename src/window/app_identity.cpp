// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/app_identity.hpp"

#include <QApplication>
#include <QIcon>

#include "window/app_id.hpp"

namespace hz {

void set_app_identity() {
  QGuiApplication::setDesktopFileName(QString::fromLatin1(app_id));
  QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(app_id),
                                               QIcon(QStringLiteral(":/icons/hoshizora.png"))));
}

}  // namespace hz
