// The two shared one-line prompts: "EDITBOX" (the prompt as the title) and "EDIT2BOX" (the
// same with a group box around the field). Typed letters are upper-cased.
#pragma once

#include <cstddef>
#include <string>

#include <QDialog>

class QLineEdit;

namespace ventro {

class EditBoxDialog : public QDialog {
  Q_OBJECT

 public:
  // `prompt`, `group` and `text` are Windows-1252; an empty `group` gives the plain prompt.
  // `max_length` 0 means no limit.
  EditBoxDialog(const std::string& prompt, const std::string& group, const std::string& text,
                size_t max_length, QWidget* parent = nullptr);

  QLineEdit* lineEdit() const { return edit_; }
  // The entered text, Windows-1252.
  std::string text() const;

 private:
  QLineEdit* edit_;
};

}  // namespace ventro
