#include "qt/entry_box.h"

#include <optional>

#include <QKeyEvent>

#include "app/command_table.h"
#include "qt/text_entry.h"

namespace ventro {
namespace {

std::optional<Key> MappedKey(int qt_key) {
  switch (qt_key) {
    case Qt::Key_Up:
      return Key::kUp;
    case Qt::Key_Down:
      return Key::kDown;
    case Qt::Key_Left:
      return Key::kLeft;
    case Qt::Key_Right:
      return Key::kRight;
    default:
      break;
  }
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F12) {
    return static_cast<Key>(static_cast<int>(Key::kF1) + (qt_key - Qt::Key_F1));
  }
  return std::nullopt;
}

// The command of a key press, if the key map gives it one.
std::optional<int> CommandOf(const QKeyEvent& event) {
  const bool ctrl = event.modifiers() & Qt::ControlModifier;
  if (ctrl && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
    return CommandForCtrlLetter(static_cast<char>('A' + (event.key() - Qt::Key_A)));
  }
  if (std::optional<Key> key = MappedKey(event.key())) return CommandForKey(*key);
  return std::nullopt;
}

}  // namespace

EntryBox::EntryBox(QWidget* parent) : QLineEdit(parent) {
  setObjectName(QStringLiteral("itemEntry"));
  SetUpEntry(this, EntryRule::kUpperText, 0);
}

void EntryBox::setHandlers(std::function<void(int)> command, std::function<void()> enter) {
  command_ = std::move(command);
  enter_ = std::move(enter);
}

bool EntryBox::event(QEvent* event) {
  // The key map comes before the line edit's own shortcuts (Ctrl+C is the configuration, not
  // copy), so those keys are claimed here and arrive in keyPressEvent.
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (CommandOf(*key)) {
      event->accept();
      return true;
    }
  }
  return QLineEdit::event(event);
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    if (keys_ignored_) return;
    if (event->modifiers() & Qt::ControlModifier) {
      // Ctrl+Enter throws the typed text away instead of entering it.
      clear();
      emit textEdited(QString());
      return;
    }
    if (enter_) enter_();
    return;
  }
  if (std::optional<int> command = CommandOf(*event)) {
    event->accept();
    if (!keys_ignored_ && command_) command_(*command);
    return;
  }
  // Keys the map does not name type and edit as usual (Ctrl+Z still undoes).
  QLineEdit::keyPressEvent(event);
}

}  // namespace ventro
