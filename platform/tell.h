// Showing what storage reports: a failed Status becomes a message box with its title, text and
// icon, so that a flow tells the user in one line.
#pragma once

#include <vector>

#include "base/status.h"
#include "platform/ui.h"

namespace ventro {

// Shows `status` when it failed; gives status.ok().
bool Tell(Ui& ui, const Status& status);

// Shows each failed status of `statuses` in their order; gives whether none failed.
bool Tell(Ui& ui, const std::vector<Status>& statuses);

}  // namespace ventro
