// Rules for the program's one-line entry fields: only characters the core can store are
// accepted, optionally only number characters, optionally upper-cased as they are typed.
#pragma once

#include <cstddef>

#include <QValidator>

class QLineEdit;

namespace ventro {

enum class EntryRule {
  kText,       // any character Windows-1252 holds
  kUpperText,  // the same, letters upper-cased as typed (the core's upper-casing)
  kNumber,     // digits and the signs of amounts: - + . ,
  kDigits,     // digits only (an amount typed in cents, the point put in by the core)
};

// Refuses input holding a character outside Windows-1252 (or outside the number characters, or
// anything but digits).
// U+FFFD is let through: it is how an undefined byte of core text is shown, and refusing it
// would lock the user out of editing such a field.
class EntryValidator : public QValidator {
  Q_OBJECT

 public:
  explicit EntryValidator(EntryRule rule, QObject* parent = nullptr);
  State validate(QString& input, int& pos) const override;

 private:
  EntryRule rule_;
};

// Gives `edit` the validator of `rule` and `max_length` (0: no limit), and makes a refused key
// visible: a beep and a tooltip under the field saying why.
void SetUpEntry(QLineEdit* edit, EntryRule rule, size_t max_length);

}  // namespace ventro
