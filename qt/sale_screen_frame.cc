#include "qt/sale_screen_frame.h"

#include <QPainter>

namespace ventro {
namespace {

const QColor kBackground(192, 192, 192);

// Rounded corners are given as the width of the corner's ellipse, as the layout tables state
// them; Qt wants the radius.
void DrawRoundedFrame(QPainter& painter, const QRect& rect, int corner) {
  painter.drawRoundedRect(rect, corner / 2.0, corner / 2.0);
}

}  // namespace

int QuickSelectColumns(int width) { return (width / 2 - 36) / 202; }

SaleScreenFrames FramesFor(int width, int height, int band) {
  SaleScreenFrames frames;
  frames.basket = QRect(QPoint(width / 2 + 120, band + 10), QPoint(width - 18, height - 10));
  frames.quick_select = QRect(QPoint(20, band + 270), QPoint(width / 2 - 16, height - 10));
  if (QuickSelectColumns(width) >= 3) {
    frames.shortcuts =
        QRect(QPoint(width / 2 - 100, band + 72), QPoint(width / 2 - 20, band + 216));
  }
  return frames;
}

SaleScreenFrame::SaleScreenFrame(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(false);
  setFocusPolicy(Qt::StrongFocus);
}

void SaleScreenFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kBackground);

  QRect band(0, 0, width(), kToolbarBandHeight);
  painter.fillRect(band, palette().color(QPalette::Button));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(band.bottomLeft(), band.bottomRight());

  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::white, 2));
  painter.setBrush(Qt::white);
  SaleScreenFrames frames = FramesFor(width(), height(), kToolbarBandHeight);
  DrawRoundedFrame(painter, frames.basket, 10);
  DrawRoundedFrame(painter, frames.quick_select, 20);
  if (frames.shortcuts) DrawRoundedFrame(painter, *frames.shortcuts, 30);
}

}  // namespace ventro
