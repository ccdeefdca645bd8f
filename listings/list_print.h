// The printed lists: every list drawn the same way on the print canvas, in the listing font,
// each page headed by the store's name, the list's title, the date and its number, then the
// column headings and the rows, the totals after the last row.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/print_canvas.h"
#include "platform/table_view.h"
#include "print/print_job.h"

namespace ventro {

struct PrintedList {
  std::string shop;
  std::string title;
  std::string date;
  std::vector<TableColumn> columns;
  RowSource* rows = nullptr;
  std::vector<std::string> totals;  // lines after the last row; none for a list without values
  int64_t lines_per_page = 0;       // the listing font: page height / lines; 0 = device font
  int64_t indent = 0;               // characters left blank before every line
  // Totals added up from the rows themselves as they are drawn: asked for once the last row
  // has been drawn, and used in place of `totals` when set.
  std::function<std::vector<std::string>()> totals_after_rows;
};

// Lines of the page above the first row: the heading, the column headings and a blank line.
inline constexpr int kListHeadingLines = 3;

// "<shop>   <title>   <date>   Page <n>"
std::string ListPageHeading(const PrintedList& list, int page);

// Draws page `pages.page`: the heading, the columns, the rows from `pages.resume_line` while
// they fit, and the totals when the last row is on the page with room under it. Moves the
// page on while rows or totals are left, so no page is left without them; an empty list
// gives one page with its heading.
void DrawListPage(PrintCanvas& canvas, DocumentPages& pages, const PrintedList& list);

}  // namespace ventro
