// A list window: rows of text in columns, read from a RowSource as they are shown, so a list
// of any length opens at once without being copied.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ventro {

class Ui;

// The rows of a list, read one at a time by index (0 to Count() - 1).
class RowSource {
 public:
  virtual ~RowSource() = default;
  virtual int64_t Count() const = 0;
  // The cells of row `index`, one per column (Windows-1252).
  virtual std::vector<std::string> Row(int64_t index) = 0;
};

struct TableColumn {
  std::string heading;
  int width = 10;      // characters
  bool right = false;  // numbers and amounts line up on the right
};

struct TableView {
  std::string name;     // the window's template name, for scripts
  std::string title;    // caption
  std::string heading;  // line above the rows
  std::vector<TableColumn> columns;
  RowSource* rows = nullptr;
  std::vector<std::string> actions;  // buttons that act without closing ("Print")
  std::function<void(const std::string& action)> on_action;
};

// A front end with a list window of its own. The others show a list as a dialog.
class TableWindows {
 public:
  virtual ~TableWindows() = default;
  // The list window with its actions and "Close"; returns when it closes.
  virtual void ShowTable(TableView& view) = 0;
};

// Shows `view` in the front end's list window when `ui` has one, else as ShowTableAsDialog.
void ShowTable(Ui& ui, TableView& view);

// A row as one line: the cells padded to their columns' widths, separated by a space.
std::string TableLine(const std::vector<TableColumn>& columns,
                      const std::vector<std::string>& cells);

// The list shown as a dialog holding every row as text, with the actions and "Close"; for
// front ends without a window of their own (the script driver writes every row this way).
void ShowTableAsDialog(Ui& ui, TableView& view);

}  // namespace ventro
