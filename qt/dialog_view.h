// Draws any of the core's dialogs (platform/dialog.h) as a Qt form and keeps the model and the
// widgets in step: each edit is written to the model at once, reported through on_change, and
// every widget is then refreshed from the model.
#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "platform/dialog.h"

class QLabel;
class QLineEdit;
class QFormLayout;
class QPushButton;
class QVBoxLayout;

namespace ventro {

class DialogView : public QDialog {
  Q_OBJECT

 public:
  // Builds the widgets of `dialog`, which must outlive the view.
  explicit DialogView(Dialog& dialog, QWidget* parent = nullptr);

  // Shows the dialog modally. Sets dialog.pressed to the closing button's text ("Cancel" when
  // the window was closed) and returns false for Cancel or a closed window, in which case the
  // fields are put back as they were when the dialog opened. A keypad-fed dialog is shown
  // without blocking its parent, centred over the parent's bottom edge, and the call returns
  // when it closes all the same.
  bool run();

  // The keypad-fed dialog open now, or nullptr.
  static DialogView* keypadFedOpen();
  // A key of the till's keypad for the field with the focus: 0 to 9 types the digit, 10 ("CA")
  // empties the field, 11 ("CE") removes its last character. The focus goes back to the field.
  void feedKeypad(int key);
  // Brings the dialog to the front with the focus back in its field.
  void refocus();

  // The widget that shows field `key`: a QLineEdit, QCheckBox, QComboBox or (for a note) a
  // QLabel; nullptr when there is no such field.
  QWidget* fieldWidget(const std::string& key) const;
  // The closing or action button labelled `text`; nullptr when there is none.
  QPushButton* button(const std::string& text) const;

 protected:
  // Escape and the window's close button.
  void reject() override;
  void showEvent(QShowEvent* event) override;

 private:
  struct Block;

  QWidget* buildFields(const std::vector<size_t>& indices, bool allow_scroll);
  // `fields` with the buttons of the actions that belong to `page` under them.
  QWidget* withPageActions(QWidget* fields, const std::string& page);
  QWidget* buildBlock(const Block& block, bool split);
  void addFieldRow(QFormLayout* form, size_t index);
  QWidget* makeFieldWidget(size_t index);
  void buildButtons(QVBoxLayout* layout);

  // The widget named by the dialog's focus, else the first field that can be edited.
  QWidget* initialFocus() const;
  void placeFocus();
  // The entry the till's keypad types into: the one with the focus, else the first.
  QLineEdit* fedEntry() const;
  void runBesideParent();

  void fieldEdited(size_t index);
  void actionPressed(const std::string& action);
  void closeWith(const std::string& button);
  void refresh();
  // Gives each wrapped note the height its text needs at the note's present width.
  void fitNotes();

  Dialog& dialog_;
  std::vector<DialogField> original_fields_;  // restored on Cancel
  std::vector<QWidget*> widgets_;             // parallel to dialog_.fields
  std::vector<QLabel*> labels_;               // parallel to dialog_.fields; may be nullptr
  std::vector<std::pair<std::string, QPushButton*>> buttons_;
  QPushButton* apply_ = nullptr;  // the property sheet's "Apply", enabled after an edit
  bool refreshing_ = false;       // widget signals raised by refresh() are not edits
  bool closed_by_button_ = false;
};

}  // namespace ventro
