#include "qt/splash_window.h"

#include <QBitmap>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

namespace ventro {
namespace {

QPixmap PlainPanel() {
  QPixmap panel(kSplashSize);
  QPainter painter(&panel);
  QLinearGradient gradient(0, 0, 0, kSplashSize.height());
  gradient.setColorAt(0, QColor(40, 70, 120));
  gradient.setColorAt(1, QColor(15, 30, 60));
  painter.fillRect(panel.rect(), gradient);
  painter.setPen(QPen(QColor(220, 225, 235), 2));
  painter.drawRect(panel.rect().adjusted(1, 1, -2, -2));
  QFont font = painter.font();
  font.setPixelSize(56);
  font.setBold(true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 6);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(panel.rect(), Qt::AlignCenter, QStringLiteral("VENTRO"));
  return panel;
}

}  // namespace

QPixmap SplashPicture(const QString& path) {
  QImage image;
  if (!QFile::exists(path) || !image.load(path)) return PlainPanel();
  image = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == 0x0000FF) line[x] = qRgba(0, 0, 0, 0);
    }
  }
  return QPixmap::fromImage(image);
}

SplashWindow::SplashWindow(const QPixmap& picture, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(picture) {
  setObjectName(QStringLiteral("SplashWndProc"));
  setFixedSize(kSplashSize);
  setAttribute(Qt::WA_TranslucentBackground);
  // The transparent parts are cut out of the window, so that the desktop shows through them
  // even without a compositing window manager.
  if (picture_.hasAlphaChannel()) {
    QRegion shape = QRegion(picture_.mask()) + (QRegion(rect()) - QRegion(picture_.rect()));
    setMask(shape);
  }
}

void SplashWindow::showFor(QSize desktop, int milliseconds, std::function<void()> closed) {
  move(desktop.width() / 2 - kSplashSize.width() / 2,
       desktop.height() / 2 - kSplashSize.height() / 2);
  show();
  QTimer::singleShot(milliseconds, this, [this, closed = std::move(closed)] {
    close();
    if (closed) closed();
  });
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

}  // namespace ventro
