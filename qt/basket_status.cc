#include "qt/basket_status.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "qt/glyphs.h"

namespace ventro {
namespace {

const QColor kText(60, 60, 60);

// A short run of bars standing for barcode entry.
void DrawBarcodeSign(QPainter& painter, const QRect& box) {
  painter.fillRect(box, Qt::white);
  constexpr int kBars[] = {2, 1, 1, 3, 1, 2, 1, 1, 2, 1, 3, 1};
  int x = box.left() + 2;
  for (size_t i = 0; i < std::size(kBars) && x < box.right() - 2; ++i) {
    if (i % 2 == 0)
      painter.fillRect(QRect(x, box.top() + 2, kBars[i], box.height() - 4), art::kOutline);
    x += kBars[i] + 1;
  }
}

}  // namespace

BasketStatus::BasketStatus(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("basketStatus"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BasketStatus::setStatus(const QString& line_count, const QString& transaction, bool trade,
                             bool barcode_mode) {
  if (line_count == line_count_ && transaction == transaction_ && trade == trade_ &&
      barcode_mode == barcode_mode_) {
    return;
  }
  line_count_ = line_count;
  transaction_ = transaction;
  trade_ = trade;
  barcode_mode_ = barcode_mode;
  update();
}

void BasketStatus::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(15);
  painter.setFont(font);
  painter.setPen(kText);
  const QRect area = rect();
  painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, transactionText());
  int x = QFontMetrics(font).horizontalAdvance(transactionText()) + 12;

  if (trade_) {
    font.setBold(true);
    font.setPixelSize(13);
    const QRect badge(x, area.center().y() - 11, QFontMetrics(font).horizontalAdvance("Trade") + 14,
                      22);
    painter.setPen(Qt::NoPen);
    painter.setBrush(art::kOrange);
    painter.drawRoundedRect(badge, 6, 6);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(badge, Qt::AlignCenter, QStringLiteral("Trade"));
    x = badge.right() + 10;
  }
  if (barcode_mode_) {
    painter.setPen(Qt::NoPen);
    DrawBarcodeSign(painter, QRect(x, area.center().y() - 11, 34, 22));
  }

  // The line count, large, at the right, with a small word before it.
  QFont big = font;
  big.setBold(true);
  big.setPixelSize(26);
  painter.setFont(big);
  painter.setPen(art::kDarkTeal);
  const QString count = lineCountText();
  painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter, count);
  QFont small = font;
  small.setBold(false);
  small.setPixelSize(12);
  painter.setFont(small);
  painter.setPen(kText);
  const QRect label = area.adjusted(0, 0, -QFontMetrics(big).horizontalAdvance(count) - 6, 0);
  painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("lines"));
}

}  // namespace ventro
