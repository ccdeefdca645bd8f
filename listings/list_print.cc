#include "listings/list_print.h"

#include <algorithm>

#include "base/format.h"

namespace ventro {

std::string ListPageHeading(const PrintedList& list, int page) {
  return StringPrintf("%s   %s   %s   Page %d", list.shop.c_str(), list.title.c_str(),
                      list.date.c_str(), page);
}

void DrawListPage(PrintCanvas& canvas, DocumentPages& pages, const PrintedList& list) {
  const DeviceCaps caps = canvas.Caps();
  if (list.lines_per_page > 0) {
    const int height = static_cast<int>(caps.height / list.lines_per_page);
    if (height > 0) canvas.SetFont({"Arial", height, false});
  }
  const FontMetrics metrics = canvas.Metrics();
  const int line_height = std::max(1, metrics.height + metrics.external_leading);
  const int char_width = std::max(1, metrics.average_char_width);
  const int left = static_cast<int>(list.indent) * char_width;
  const int lines_on_page = std::max(kListHeadingLines + 1, caps.height / line_height);

  canvas.Text(left, 0, TextAlign::kLeft, ListPageHeading(list, pages.page));
  // Column x positions: each column starts one character after the last one's width.
  std::vector<int> starts;
  int x = left;
  for (const TableColumn& column : list.columns) {
    starts.push_back(x);
    x += (column.width + 1) * char_width;
  }
  auto write_row = [&](int line, const std::vector<std::string>& cells) {
    for (size_t i = 0; i < list.columns.size() && i < cells.size(); ++i) {
      const TableColumn& column = list.columns[i];
      if (column.right) {
        canvas.Text(starts[i] + column.width * char_width, line * line_height, TextAlign::kRight,
                    cells[i]);
      } else {
        canvas.Text(starts[i], line * line_height, TextAlign::kLeft, cells[i]);
      }
    }
  };
  std::vector<std::string> headings;
  for (const TableColumn& column : list.columns) headings.push_back(column.heading);
  write_row(1, headings);

  const int64_t count = list.rows ? list.rows->Count() : 0;
  int64_t next = pages.resume_line;
  int line = kListHeadingLines;
  for (; next < count && line < lines_on_page; ++next, ++line) {
    write_row(line, list.rows->Row(next));
  }
  if (next < count) {
    ++pages.page;
    pages.resume_line = static_cast<int>(next);
    return;
  }
  const std::vector<std::string> totals =
      list.totals_after_rows ? list.totals_after_rows() : list.totals;
  if (totals.empty()) return;
  // The totals follow a blank line; when they do not fit they open the next page alone.
  const int needed = (line > kListHeadingLines ? 1 : 0) + static_cast<int>(totals.size());
  if (line + needed > lines_on_page && line > kListHeadingLines) {
    ++pages.page;
    pages.resume_line = static_cast<int>(count);
    return;
  }
  if (line > kListHeadingLines) ++line;
  for (const std::string& total : totals) {
    canvas.Text(left, line++ * line_height, TextAlign::kLeft, total);
  }
}

}  // namespace ventro
