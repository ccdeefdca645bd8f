#include "platform/table_view.h"

#include <algorithm>

#include "platform/ui.h"

namespace ventro {

std::string TableLine(const std::vector<TableColumn>& columns,
                      const std::vector<std::string>& cells) {
  std::string line;
  for (size_t i = 0; i < columns.size() && i < cells.size(); ++i) {
    if (i > 0) line += ' ';
    const size_t width = static_cast<size_t>(std::max(0, columns[i].width));
    const size_t pad = cells[i].size() < width ? width - cells[i].size() : 0;
    if (columns[i].right) line.append(pad, ' ');
    line += cells[i];
    if (!columns[i].right && i + 1 < columns.size()) line.append(pad, ' ');
  }
  return line;
}

void ShowTable(Ui& ui, TableView& view) {
  if (auto* windows = dynamic_cast<TableWindows*>(&ui)) {
    windows->ShowTable(view);
  } else {
    ShowTableAsDialog(ui, view);
  }
}

void ShowTableAsDialog(Ui& ui, TableView& view) {
  std::vector<std::string> headings;
  for (const TableColumn& column : view.columns) headings.push_back(column.heading);
  std::string text = TableLine(view.columns, headings);
  const int64_t count = view.rows ? view.rows->Count() : 0;
  for (int64_t i = 0; i < count; ++i) text += "\n" + TableLine(view.columns, view.rows->Row(i));
  Dialog dialog;
  dialog.name = view.name;
  dialog.title = view.title;
  DialogField heading = TextField("heading", "", view.heading, 0);
  heading.kind = FieldKind::kReadOnly;
  dialog.Add(std::move(heading));
  DialogField list = TextField("list", "", std::move(text), 0);
  list.kind = FieldKind::kReadOnly;
  list.multiline = true;
  dialog.Add(std::move(list));
  dialog.buttons = {"Close"};
  dialog.actions = view.actions;
  dialog.on_change = [&](Dialog&, const std::string& key) {
    if (view.on_action) view.on_action(key);
  };
  ui.RunDialog(dialog);
}

}  // namespace ventro
