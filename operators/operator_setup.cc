#include "operators/operator_setup.h"

#include <cctype>
#include <string>

#include "base/format.h"
#include "operators/sign_on.h"

namespace ventro {
namespace {

constexpr size_t kNameMaxLength = 29;
constexpr size_t kPasswordMaxLength = SettingsRecord::kClerkPasswordMaxLength;

void Problem(Ui& ui, const char* text) { ui.Message("Problem", text, Icon::kWarning); }

std::string DigitsOnly(const std::string& text) {
  std::string digits;
  for (char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c))) digits += c;
  }
  return digits;
}

Dialog BuildClerkDialog(const SettingsRecord& settings, int clerk) {
  Dialog dialog;
  dialog.name = "PASBO2";
  dialog.title = "Operator setup";
  DialogField user = TextField("user", "", StringPrintf("User: %d", clerk), 0);
  user.kind = FieldKind::kReadOnly;
  dialog.Add(std::move(user));
  // No length limit on the entries: a name or password that is too long is told to the user
  // rather than cut without a word.
  dialog.Add(TextField("name", "Name (29 characters)", settings.Get(cfg::kClerkName, clerk), 0));
  DialogField available = CheckField("available", "Available", IsClerkAvailable(settings, clerk));
  available.enabled = clerk > 2;  // the administrator and the manager are always available
  dialog.Add(std::move(available));
  // The stored password is shown (masked), so that amending only the name keeps it.
  for (const auto& [key, label] :
       {std::pair{"password", "Password"}, std::pair{"reenter", "Re-enter password"}}) {
    DialogField field = TextField(key, label, settings.Get(cfg::kClerkPassword, clerk), 0);
    field.kind = FieldKind::kPassword;
    dialog.Add(std::move(field));
  }
  dialog.Add(NoteField("password_note", "Passwords must be numeric upto 8 characters"));
  dialog.Add(NoteField("available_note",
                       "The password is not updated if the Available box is unchecked."));
  dialog.on_change = [](Dialog& d, const std::string& key) {
    if (key == "password" || key == "reenter") d.Field(key).text = DigitsOnly(d.Field(key).text);
  };
  return dialog;
}

// Runs "PASBO2" for `clerk` until it is cancelled or its values pass; stores them then. True
// when they were stored.
bool RunClerkDialog(Ui& ui, SettingsRecord& settings, int clerk) {
  Dialog dialog = BuildClerkDialog(settings, clerk);
  for (;;) {
    if (!ui.RunDialog(dialog) || !dialog.Pressed("OK")) return false;
    const std::string& name = dialog.Field("name").text;
    if (name.size() > kNameMaxLength) {
      Problem(ui, "Name too long");
      continue;
    }
    bool available = clerk <= 2 || dialog.Field("available").checked;
    const std::string& password = dialog.Field("password").text;
    if (available) {
      const std::string& again = dialog.Field("reenter").text;
      if (password.size() > kPasswordMaxLength || again.size() > kPasswordMaxLength) {
        Problem(ui, "Password too long");
        continue;
      }
      if (password != again) {
        Problem(ui, "Passwords do not match");
        continue;
      }
    }
    settings.Set(cfg::kClerkName, clerk, name);
    if (available) {
      settings.Set(cfg::kClerkPassword, clerk, password);
      settings.Set(cfg::kClerkAvailability, clerk, 0);
    } else {
      settings.Set(cfg::kClerkAvailability, clerk, 2);  // the password is kept for a later return
    }
    return true;
  }
}

}  // namespace

void RunOperatorSetup(Ui& ui, SettingsRecord& settings, bool restricted) {
  if (restricted) {
    ui.Message("Restricted access", "Administrator or manager", Icon::kWarning);
    return;
  }
  std::string text = "1";
  if (!ui.EditBox("Please enter the clerk number (1-99):", text, 10)) return;
  int64_t clerk = AtoI64(text);
  if (clerk < kFirstClerk || clerk > kLastClerk) {
    Problem(ui, "Outside range");
    return;
  }
  if (RunClerkDialog(ui, settings, static_cast<int>(clerk))) {
    ui.Message("Clerk", "Amended", Icon::kInformation);
  }
}

}  // namespace ventro
