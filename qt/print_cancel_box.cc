#include "qt/print_cancel_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ventro {

PrintCancelBox::PrintCancelBox(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("PrintDlgBox"));
  setWindowTitle(QStringLiteral("Printing"));
  // Shown without waiting, yet it alone takes input: the events handled between pages must
  // not start another command in the main window.
  setWindowModality(Qt::ApplicationModal);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Printing VENTRO")));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::rejected, this, &PrintCancelBox::reject);
  layout->addWidget(buttons);
}

void PrintCancelBox::reject() {
  cancelled_ = true;
  if (QPushButton* cancel = findChild<QPushButton*>()) cancel->setEnabled(false);
}

}  // namespace ventro
