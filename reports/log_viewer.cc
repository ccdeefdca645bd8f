#include "reports/log_viewer.h"

#include <vector>

namespace ventro {
namespace {

Dialog LogViewer(std::string text, bool has_previous, bool has_next) {
  Dialog viewer;
  viewer.name = "logedit";
  viewer.title = "VENTRO log";
  DialogField page = TextField("text", "", std::move(text), 0);
  page.kind = FieldKind::kReadOnly;
  page.multiline = true;
  viewer.Add(std::move(page));
  viewer.buttons = {"OK", "Next", "Previous"};
  if (!has_next) viewer.greyed.push_back("Next");
  if (!has_previous) viewer.greyed.push_back("Previous");
  viewer.focus = "OK";
  return viewer;
}

}  // namespace

std::optional<std::string> ReadLogPage(Files& files, const Path& log, uint64_t offset) {
  std::unique_ptr<File> file = files.Open(log, OpenMode::kRead);
  if (!file) return std::nullopt;
  std::string page(kLogPageSize, '\0');
  page.resize(file->ReadAt(offset, page.data(), page.size()));
  return page;
}

void ShowLogViewer(Ui& ui, Files& files, const Path& log, const std::string& unreadable) {
  uint64_t offset = 0;
  for (;;) {
    std::optional<std::string> page = ReadLogPage(files, log, offset);
    if (!page) {
      ui.Message("Problem", unreadable, Icon::kWarning);
      page.emplace();
    }
    // A full page may have more behind it; the next read tells.
    const bool full = page->size() == kLogPageSize;
    Dialog viewer = LogViewer(std::move(*page), offset > 0, full);
    if (!ui.RunDialog(viewer)) return;
    if (viewer.Pressed("Next") && full) {
      offset += kLogPageSize;
    } else if (viewer.Pressed("Previous") && offset > 0) {
      offset -= kLogPageSize;
    } else {
      return;
    }
  }
}

}  // namespace ventro
