// One quick-select button: when its slot holds an item, the item's picture at the top left,
// its number and its description beside it; an empty slot shows a blank face.
#pragma once

#include <QAbstractButton>
#include <QDateTime>
#include <QPixmap>

#include "qt/screen_view.h"

namespace ventro {

inline constexpr int kQuickSelectPictureSide = 48;

// The description as the button shows it: cut to 14 characters when it has 15 or more.
QString QuickSelectCaption(const QString& description);

class QuickSelectButton : public QAbstractButton {
  Q_OBJECT

 public:
  QuickSelectButton(int id, QWidget* parent);

  int id() const { return id_; }
  void setSlot(const QuickSelectView& slot);
  const QuickSelectView& slot() const { return slot_; }
  // The picture as drawn, 48 x 48; null when the slot is empty or its file unreadable.
  const QPixmap& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int id_;
  QuickSelectView slot_;
  QPixmap picture_;
  QDateTime picture_modified_;  // of the file the picture was read from
};

}  // namespace ventro
