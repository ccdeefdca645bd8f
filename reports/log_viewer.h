// The day text log shown a page at a time in the read-only viewer "logedit".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/ui.h"

namespace ventro {

// The most characters the viewer shows at once.
inline constexpr uint64_t kLogPageSize = 31999;

// The page of `log` that starts at `offset`: up to kLogPageSize characters, read from a fresh
// opening of the file so that lines added since the last page show. Nothing when the file
// cannot be opened.
std::optional<std::string> ReadLogPage(Files& files, const Path& log, uint64_t offset);

// The viewer on `log`, from its first page; "Next" is offered after a full page and
// "Previous" after the first. A file that cannot be opened gives `unreadable` titled "Problem"
// and an empty viewer.
void ShowLogViewer(Ui& ui, Files& files, const Path& log,
                   const std::string& unreadable = "Data file: bun4.dat.");

}  // namespace ventro
