#include "qt/edit_box.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "qt/text.h"
#include "qt/text_entry.h"

namespace ventro {

EditBoxDialog::EditBoxDialog(const std::string& prompt, const std::string& group,
                             const std::string& text, size_t max_length, QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit) {
  setWindowTitle(ToQt(prompt));
  setObjectName(group.empty() ? "EDITBOX" : "EDIT2BOX");
  SetUpEntry(edit_, EntryRule::kUpperText, max_length);
  edit_->setText(ToQt(text));
  edit_->selectAll();

  auto* layout = new QVBoxLayout(this);
  if (group.empty()) {
    layout->addWidget(edit_);
  } else {
    auto* box = new QGroupBox(ToQt(group));
    (new QVBoxLayout(box))->addWidget(edit_);
    layout->addWidget(box);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  // The prompt is the title: leave it room to be read.
  setMinimumWidth(std::max(320, fontMetrics().horizontalAdvance(windowTitle()) + 120));
}

std::string EditBoxDialog::text() const { return ToCore(edit_->text()); }

}  // namespace ventro
