#include "qt/quick_select_button.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPainter>

#include "qt/button_pictures.h"

namespace ventro {
namespace {

const QColor kText(20, 20, 20);
const QColor kFace(250, 246, 236);
const QColor kEmptyFace(228, 228, 224);

}  // namespace

QString QuickSelectCaption(const QString& description) {
  return description.size() >= 15 ? description.left(14) : description;
}

QuickSelectButton::QuickSelectButton(int id, QWidget* parent) : QAbstractButton(parent), id_(id) {
  setFocusPolicy(Qt::NoFocus);
  setObjectName(QStringLiteral("button%1").arg(id));
  hide();
}

void QuickSelectButton::setSlot(const QuickSelectView& slot) {
  // A picture file replaced under the same name (a new custom or stock picture) is read again.
  const QDateTime modified =
      slot.picture.isEmpty() ? QDateTime() : QFileInfo(slot.picture).lastModified();
  if (slot.item == slot_.item && slot.description == slot_.description &&
      slot.picture == slot_.picture && modified == picture_modified_) {
    return;
  }
  slot_ = slot;
  picture_modified_ = modified;
  picture_ = QPixmap();
  if (slot_.item != 0 && !slot_.picture.isEmpty()) {
    QImage image(slot_.picture);
    if (!image.isNull()) {
      // Stretched, not fitted: every button shows the same square.
      picture_ = QPixmap::fromImage(image.scaled(kQuickSelectPictureSide, kQuickSelectPictureSide,
                                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
  }
  update();
}

void QuickSelectButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!isEnabled()) painter.setOpacity(0.4);
  const bool holds_item = slot_.item != 0;
  painter.drawPixmap(0, 0, PlainTile(size(), holds_item ? kFace : kEmptyFace, isDown()));
  if (!holds_item) return;
  if (!picture_.isNull()) painter.drawPixmap(1, 1, picture_);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(14);
  painter.setFont(font);
  painter.setPen(kText);
  const int text_width = width() - 62;
  painter.drawText(QRect(60, 6, text_width, 18), Qt::AlignLeft | Qt::AlignTop,
                   QString::number(slot_.item));
  font.setBold(false);
  font.setPixelSize(13);
  painter.setFont(font);
  painter.drawText(QRect(60, 26, text_width, 18), Qt::AlignLeft | Qt::AlignTop,
                   QuickSelectCaption(slot_.description));
}

}  // namespace ventro
