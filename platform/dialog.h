// A dialog as the core describes it: named fields with their values, and buttons. The core
// fills one in, hands it to the user interface, and reads the values back when it returns.
// The Qt layer draws it as a form (pages become tabs, groups become boxes); the script driver
// prints its values and answers it from the script. Checks that keep a dialog open are made by
// the core after it returns: the core shows the message and runs the dialog again with the
// values the user left in it.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace ventro {

enum class FieldKind {
  kText,      // one-line entry; `text`, at most `max_length` characters
  kPassword,  // like kText, shown masked
  kNumber,    // like kText, digits expected
  kCents,     // an amount typed in cents without a decimal point: digits only
  kCheck,     // check box; `checked`
  kChoice,    // drop-down list; `choice` indexes `options`, -1 for none
  kReadOnly,  // text shown, not edited
  kNote,      // explanatory text beside the fields
};

struct DialogField {
  std::string key;    // short name used by scripts, unique within the dialog
  std::string label;  // the text shown beside the field (Windows-1252)
  FieldKind kind = FieldKind::kText;
  std::string text;  // kText, kPassword, kNumber, kReadOnly, kNote (Windows-1252)
  bool checked = false;
  int choice = -1;
  std::vector<std::string> options;
  size_t max_length = 0;  // 0: no limit
  std::string page;       // property-sheet page; empty in a plain dialog
  std::string group;      // group box caption; empty for none
  bool enabled = true;
  bool required = false;   // a box that must be filled, drawn with a light yellow background
  bool multiline = false;  // kReadOnly: a text of many lines, shown in a box that scrolls
};

struct Dialog {
  std::string name;   // the dialog's template name or number ("816", "LBOX", "TAX CONTROL")
  std::string title;  // caption (Windows-1252)
  std::vector<DialogField> fields;
  std::vector<std::string> buttons = {"OK", "Cancel"};  // close the dialog
  std::vector<std::string> actions;                     // act without closing ("Reset", "Preview")
  // Actions that belong to one page of a property sheet, shown on that page rather than in the
  // button row: action -> page.
  std::map<std::string, std::string> action_pages;
  // Buttons and actions shown greyed: they cannot be pressed (a feature not available here).
  std::vector<std::string> greyed;
  // Stays over the till's main window without blocking it: while the dialog is open the main
  // window's keypad types into the dialog's focused field and every other command only brings
  // the focus back to the dialog. The call still returns only when the dialog closes.
  bool keypad_fed = false;
  // The field key or button that takes the keyboard focus when the dialog opens; empty for the
  // first field that can be edited.
  std::string focus;
  std::string pressed;  // the closing button, set by the user interface
  // Called after the user changes field `key`, or presses action button `key`; may change any
  // field. The user interface shows the changed values.
  std::function<void(Dialog&, const std::string& key)> on_change;

  DialogField& Add(DialogField field) {
    fields.push_back(std::move(field));
    return fields.back();
  }
  // The field called `key`; the dialog must have one.
  DialogField& Field(const std::string& key);
  const DialogField& Field(const std::string& key) const;
  bool Pressed(const std::string& button) const { return pressed == button; }
  bool Greyed(const std::string& button) const;
};

// Shorthands for building fields.
DialogField TextField(std::string key, std::string label, std::string text, size_t max_length);
DialogField CheckField(std::string key, std::string label, bool checked);
DialogField ChoiceField(std::string key, std::string label, std::vector<std::string> options,
                        int choice);
DialogField NoteField(std::string key, std::string text);

}  // namespace ventro
