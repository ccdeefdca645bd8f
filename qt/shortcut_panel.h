// The shortcut panel of a wide window: eight labelled buttons for common back-office jobs
// (inventory received, discount, find by telephone, cheque, reorder list, out of stock,
// reprint, associate customer), shown only where the layout has room for them.
#pragma once

#include <functional>

#include "qt/button_group.h"
#include "qt/tile_button.h"

namespace ventro {

// Creates the panel's buttons as children of `parent`; `command` receives a pressed button's
// number.
ButtonGroup<TileButton> MakeShortcutPanel(QWidget* parent, const std::function<void(int)>& command);

}  // namespace ventro
