#include "qt/picture_window.h"

#include <QLabel>
#include <QPixmap>

namespace ventro {

QWidget* OpenPictureWindow(const QString& title, const QImage& picture, QWidget* owner) {
  auto* window = new QLabel(owner, Qt::Window);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setObjectName(QStringLiteral("picture"));
  window->setWindowTitle(title);
  window->setAlignment(Qt::AlignCenter);
  window->setPixmap(QPixmap::fromImage(picture));
  window->adjustSize();
  window->show();
  return window;
}

}  // namespace ventro
