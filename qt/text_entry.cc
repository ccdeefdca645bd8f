#include "qt/text_entry.h"

#include <algorithm>
#include <string>

#include <QApplication>
#include <QLineEdit>
#include <QToolTip>

#include "base/cp1252.h"
#include "qt/text.h"

namespace ventro {
namespace {

constexpr QChar kReplacement(0xFFFD);

bool IsNumberCharacter(QChar ch) {
  return ch.isDigit() || ch == u'-' || ch == u'+' || ch == u'.' || ch == u',';
}

}  // namespace

EntryValidator::EntryValidator(EntryRule rule, QObject* parent) : QValidator(parent), rule_(rule) {}

QValidator::State EntryValidator::validate(QString& input, int&) const {
  QString checked = input;
  checked.remove(kReplacement);
  if (!FitsCp1252(checked)) return Invalid;
  if (rule_ == EntryRule::kNumber) {
    for (QChar ch : checked) {
      if (!IsNumberCharacter(ch)) return Invalid;
    }
  }
  if (rule_ == EntryRule::kDigits) {
    for (QChar ch : input) {
      if (ch < u'0' || ch > u'9') return Invalid;
    }
  }
  if (rule_ == EntryRule::kUpperText) {
    // Upper-case through the core so that the result is the same as the core's own, letter
    // for letter (one character stays one character, so the cursor stays where it was).
    QString upper;
    for (QChar ch : input) {
      upper += ch == kReplacement ? ch : ToQt(UpperCp1252(ToCore(QString(ch))));
    }
    if (upper.size() == input.size()) input = upper;
  }
  return Acceptable;
}

void SetUpEntry(QLineEdit* edit, EntryRule rule, size_t max_length) {
  edit->setValidator(new EntryValidator(rule, edit));
  if (max_length > 0) {
    edit->setMaxLength(static_cast<int>(std::min<size_t>(max_length, 32767)));
  }
  QObject::connect(edit, &QLineEdit::inputRejected, edit, [edit] {
    QApplication::beep();
    QString why = edit->text().size() >= edit->maxLength()
                      ? QObject::tr("At most %1 characters").arg(edit->maxLength())
                      : QObject::tr("That character cannot be used here");
    QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), why, edit);
  });
}

}  // namespace ventro
