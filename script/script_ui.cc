#include "script/script_ui.h"

#include <cstdlib>

#include "base/cp1252.h"
#include "base/format.h"
#include "script/script_line.h"

namespace ventro::script {
namespace {

std::string Shown(const std::string& cp1252) { return Quote(Cp1252ToUtf8(cp1252)); }

// A password field as the transcript shows it: eight marks whatever its length (or nothing when
// it is empty), so a transcript kept as a record of the run tells neither a password nor its
// length.
std::string Masked(size_t length) { return Quote(length == 0 ? "" : "********"); }

// The values a dialog shows, as the transcript prints them.
std::string ShownValues(const Dialog& dialog) {
  std::string out;
  for (const auto& field : dialog.fields) {
    if (field.kind == FieldKind::kNote) continue;
    out += " " + field.key + "=";
    switch (field.kind) {
      case FieldKind::kCheck:
        out += field.checked ? "on" : "off";
        break;
      case FieldKind::kChoice:
        out += field.choice >= 0 && field.choice < static_cast<int>(field.options.size())
                   ? Shown(field.options[static_cast<size_t>(field.choice)])
                   : "\"\"";
        break;
      case FieldKind::kPassword:
        out += Masked(field.text.size());
        break;
      default:
        out += Shown(field.text);
    }
  }
  return out;
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
  for (const auto& entry : list) {
    if (entry == item) return true;
  }
  return false;
}

}  // namespace

void ScriptUi::Queue(const std::string& dialog, QueuedAnswer answer) {
  answers_[dialog].push_back(std::move(answer));
}

void ScriptUi::Fail(const std::string& line) {
  transcript_ << line << std::endl;
  std::exit(2);
}

Answer ScriptUi::Message(const std::string& title, const std::string& text, Icon, Buttons buttons) {
  std::string shown = "message " + Shown(title) + " " + Shown(text);
  if (buttons == Buttons::kOk) {
    transcript_ << shown << " OK" << std::endl;
    return Answer::kOk;
  }
  auto& queue = answers_["message"];
  if (queue.empty()) Fail(shown + "\nunanswered message " + Shown(title));
  QueuedAnswer answer = queue.front();
  queue.pop_front();
  std::string button = answer.buttons.empty() ? "" : answer.buttons.back();
  struct Allowed {
    const char* name;
    Answer answer;
  };
  std::vector<Allowed> allowed;
  if (buttons == Buttons::kOkCancel) allowed = {{"OK", Answer::kOk}, {"Cancel", Answer::kCancel}};
  if (buttons == Buttons::kYesNo) allowed = {{"Yes", Answer::kYes}, {"No", Answer::kNo}};
  if (buttons == Buttons::kYesNoCancel) {
    allowed = {{"Yes", Answer::kYes}, {"No", Answer::kNo}, {"Cancel", Answer::kCancel}};
  }
  for (const auto& choice : allowed) {
    if (button == choice.name) {
      transcript_ << shown << " " << button << std::endl;
      return choice.answer;
    }
  }
  Fail(shown + "\nmessage " + Shown(title) + " has no button " + Quote(button));
}

void ScriptUi::ApplyValue(Dialog& dialog, const std::string& key, const std::string& value) {
  DialogField* field = nullptr;
  for (auto& candidate : dialog.fields) {
    if (candidate.key == key) field = &candidate;
  }
  if (!field || field->kind == FieldKind::kNote) {
    Fail("dialog " + dialog.name + " has no field " + key);
  }
  if (field->kind == FieldKind::kReadOnly || !field->enabled) {
    Fail("dialog " + dialog.name + " field " + key + " cannot be changed");
  }
  switch (field->kind) {
    case FieldKind::kCheck:
      if (value == "on" || value == "1" || value == "yes") {
        field->checked = true;
      } else if (value == "off" || value == "0" || value == "no") {
        field->checked = false;
      } else {
        Fail("dialog " + dialog.name + " field " + key + " takes on or off");
      }
      break;
    case FieldKind::kChoice: {
      std::string wanted = Utf8ToCp1252(value);
      int found = -1;
      for (size_t k = 0; k < field->options.size(); ++k) {
        if (field->options[k] == wanted) found = static_cast<int>(k);
      }
      bool digits = !value.empty() && value.find_first_not_of("0123456789") == std::string::npos;
      if (found < 0 && digits && AtoI64(value) < static_cast<int64_t>(field->options.size())) {
        found = static_cast<int>(AtoI64(value));
      }
      if (found < 0) Fail("dialog " + dialog.name + " field " + key + " has no entry " + value);
      field->choice = found;
      break;
    }
    case FieldKind::kCents:
      // The window refuses anything but digits here; a script saying "12.50" means an amount
      // the core would read differently, so the run stops rather than guess.
      if (value.find_first_not_of("0123456789") != std::string::npos) {
        Fail("dialog " + dialog.name + " field " + key + " takes digits only (cents), not " +
             Quote(value));
      }
      field->text = value.substr(0, field->max_length > 0 ? field->max_length : value.size());
      break;
    default: {
      // The field takes what its control would: Windows-1252, cut to its length.
      std::string text = Utf8ToCp1252(value);
      if (field->max_length > 0 && text.size() > field->max_length) {
        text.resize(field->max_length);
      }
      field->text = text;
    }
  }
  if (dialog.on_change) dialog.on_change(dialog, key);
}

bool ScriptUi::RunDialog(Dialog& dialog) {
  std::string shown =
      "dialog " + dialog.name + " title=" + Shown(dialog.title) + ShownValues(dialog);
  auto& queue = answers_[dialog.name];
  if (queue.empty()) Fail(shown + "\nunanswered dialog " + dialog.name);
  QueuedAnswer answer = queue.front();
  queue.pop_front();

  std::string given;
  for (const auto& [key, value] : answer.values) {
    ApplyValue(dialog, key, value);
    const bool password = dialog.Field(key).kind == FieldKind::kPassword;
    given += " " + key + "=" + (password ? Masked(Utf8ToCp1252(value).size()) : Quote(value));
  }
  dialog.pressed = dialog.buttons.empty() ? "" : dialog.buttons.front();
  for (const auto& button : answer.buttons) {
    if (dialog.Greyed(button)) {
      // A greyed button cannot be pressed; the script goes on as the user would.
      given += " (" + button + " greyed, not pressed)";
      continue;
    }
    if (Contains(dialog.actions, button)) {
      if (dialog.on_change) dialog.on_change(dialog, button);
    } else if (Contains(dialog.buttons, button)) {
      dialog.pressed = button;
    } else {
      Fail(shown + "\ndialog " + dialog.name + " has no button " + Quote(button));
    }
    given += " " + button;
  }
  if (answer.buttons.empty()) given += " " + dialog.pressed;
  transcript_ << shown << " =>" << given << std::endl;
  return dialog.pressed != "Cancel";
}

bool ScriptUi::EditBox(const std::string& title, std::string& text, size_t max_length) {
  Dialog dialog;
  dialog.name = "EDITBOX";
  dialog.title = title;
  dialog.Add(TextField("text", "", text, max_length));
  if (!RunDialog(dialog)) return false;
  text = UpperCp1252(dialog.Field("text").text);
  return true;
}

bool ScriptUi::Edit2Box(const std::string& title, const std::string& group, std::string& text,
                        size_t max_length) {
  Dialog dialog;
  dialog.name = "EDIT2BOX";
  dialog.title = title;
  dialog.Add(TextField("text", group, text, max_length));
  if (!RunDialog(dialog)) return false;
  text = UpperCp1252(dialog.Field("text").text);
  return true;
}

std::optional<std::filesystem::path> ScriptUi::SaveFileName(const std::string& title,
                                                            const std::string&,
                                                            const std::string& suggested) {
  Dialog dialog;
  dialog.name = "SAVEFILE";
  dialog.title = title;
  dialog.Add(TextField("path", "File name", suggested, 0));
  if (!RunDialog(dialog) || dialog.Field("path").text.empty()) return std::nullopt;
  return std::filesystem::path(Cp1252ToUtf8(dialog.Field("path").text));
}

std::optional<std::filesystem::path> ScriptUi::OpenFileName(const std::string& title,
                                                            const std::string&) {
  Dialog dialog;
  dialog.name = "OPENFILE";
  dialog.title = title;
  dialog.Add(TextField("path", "File name", "", 0));
  if (!RunDialog(dialog) || dialog.Field("path").text.empty()) return std::nullopt;
  return std::filesystem::path(Cp1252ToUtf8(dialog.Field("path").text));
}

std::optional<std::filesystem::path> ScriptUi::FolderName(const std::string& title) {
  Dialog dialog;
  dialog.name = "FOLDER";
  dialog.title = title;
  dialog.Add(TextField("path", "Folder", "", 0));
  if (!RunDialog(dialog) || dialog.Field("path").text.empty()) return std::nullopt;
  return std::filesystem::path(Cp1252ToUtf8(dialog.Field("path").text));
}

void ScriptUi::ShowPicture(const std::string& title, std::string_view bitmap) {
  transcript_ << "picture " << Shown(title) << " " << bitmap.size() << " bytes" << std::endl;
}

void ScriptUi::BeginPrintProgress() {
  pages_sent_ = 0;
  cancel_after_.reset();
  auto& queue = answers_["PrintDlgBox"];
  if (queue.empty()) return;
  QueuedAnswer answer = queue.front();
  queue.pop_front();
  const bool cancels = answer.buttons.size() == 1 && answer.buttons[0] == "Cancel";
  if (!cancels || answer.values.size() != 1 || answer.values[0].first != "after") {
    Fail("dialog PrintDlgBox is answered after=N Cancel");
  }
  const std::string& pages = answer.values[0].second;
  if (pages.empty() || pages.size() > 6 || pages.find_first_not_of("0123456789") != pages.npos ||
      AtoI64(pages) < 1) {
    Fail("dialog PrintDlgBox field after takes a page count, not " + Quote(pages));
  }
  cancel_after_ = static_cast<int>(AtoI64(pages));
}

bool ScriptUi::PrintCancelRequested() {
  ++pages_sent_;
  if (!cancel_after_ || pages_sent_ < *cancel_after_) return false;
  transcript_ << "dialog PrintDlgBox title=\"Printing\" => after="
              << Quote(std::to_string(pages_sent_)) << " Cancel" << std::endl;
  cancel_after_.reset();
  return true;
}

void ScriptUi::EndPrintProgress() { cancel_after_.reset(); }

std::optional<int> ScriptUi::SelectFromList(const std::string& name, const std::string& title,
                                            const std::vector<std::string>& items, int selected) {
  Dialog dialog;
  dialog.name = name;
  dialog.title = title;
  dialog.Add(ChoiceField("choice", "", items, selected));
  if (!RunDialog(dialog)) return std::nullopt;
  return dialog.Field("choice").choice;
}

}  // namespace ventro::script
