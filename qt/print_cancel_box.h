// The cancel box "PrintDlgBox" shown while a document prints: a small window with a Cancel
// button that stays open without holding up the printing, which asks it between pages.
#pragma once

#include <QDialog>

namespace ventro {

class PrintCancelBox : public QDialog {
  Q_OBJECT

 public:
  explicit PrintCancelBox(QWidget* owner);

  bool cancelled() const { return cancelled_; }

 private:
  // Closing the box by its title bar or Escape counts as Cancel.
  void reject() override;

  bool cancelled_ = false;
};

}  // namespace ventro
