// The item entry box: the keyboard focus of the sale screen. It turns the keys of the core's
// key map (arrows, F-keys, Ctrl letters) into commands and Enter into item entry; other keys
// type as usual.
#pragma once

#include <functional>

#include <QLineEdit>

namespace ventro {

class EntryBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit EntryBox(QWidget* parent = nullptr);

  // `command` receives the command of a mapped key, `enter` is called for Enter (the text has
  // been reported through textEdited before).
  void setHandlers(std::function<void(int)> command, std::function<void()> enter);

  // While set (the discount dialog is open) mapped keys and Enter do nothing.
  void setKeysIgnored(bool ignored) { keys_ignored_ = ignored; }

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::function<void(int)> command_;
  std::function<void()> enter_;
  bool keys_ignored_ = false;
};

}  // namespace ventro
