// A group of the sale screen's buttons that each send their command number when clicked:
// placed where the layout says, greyed when the build cannot run their command, found by
// number. The keypad, the shortcut panel, the screen buttons, the category bar and the
// quick-select panel are each one group.
#pragma once

#include <functional>
#include <vector>

#include <QAbstractButton>
#include <QWidget>

#include "app/screen_layout.h"

namespace ventro {

// `Button` is a QAbstractButton with id(), the number of the command it sends.
template <typename Button>
class ButtonGroup {
 public:
  // Takes `button`, a child of `parent`, into the group: a click sends its number to `command`.
  Button* add(Button* button, QWidget* parent, const std::function<void(int)>& command) {
    QObject::connect(button, &QAbstractButton::clicked, parent,
                     [command, id = button->id()] { command(id); });
    buttons_.push_back(button);
    return button;
  }

  // Shows and places each button where `layout` puts it, and hides those it does not list.
  void place(const SaleScreenLayout& layout) {
    for (Button* button : buttons_) {
      if (const ScreenRect* place = layout.Find(button->id())) {
        button->setGeometry(place->x, place->y, place->width, place->height);
        button->show();
      } else {
        button->hide();
      }
    }
  }

  // Enables each button whose command `is_built` accepts (all when it is empty).
  void setEnabledBy(const std::function<bool(int)>& is_built) {
    for (Button* button : buttons_) button->setEnabled(!is_built || is_built(button->id()));
  }

  // The button of command `id`, or nullptr.
  Button* button(int id) const {
    for (Button* button : buttons_) {
      if (button->id() == id) return button;
    }
    return nullptr;
  }

  // In the order they were added.
  const std::vector<Button*>& buttons() const { return buttons_; }

 private:
  std::vector<Button*> buttons_;
};

}  // namespace ventro
