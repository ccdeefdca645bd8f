// The stock lists' windows ("Invoice2", "Invoice4", "Invoices") with their printed pages, and
// the stock summary window ("Summary").
#pragma once

#include <string>
#include <vector>

#include "formats/settings_record.h"
#include "platform/platform.h"
#include "print/print_job.h"
#include "reports/stock_lists.h"
#include "store/master_file.h"

namespace ventro {

// What the stock lists read and print with.
struct StockDesk {
  Platform& platform;
  const SettingsRecord& settings;
  const MasterFile& inventory;
};

// Draws page `pages.page` of `list`: its heading with `shop`, `date` and the page, the column
// heading where the list has one, then `lines` from `pages.resume_line` one a line from line
// 3 while (line height + 2) x lines fits the page. Moves both on only when lines are left, so
// no page carries headings alone.
void DrawStockListPage(PrintCanvas& canvas, DocumentPages& pages, StockList list,
                       const std::string& shop, const std::string& date,
                       const std::vector<std::string>& lines);

// Opens the list window of `list`; its Print prints the same lines.
void ShowStockList(const StockDesk& desk, StockList list);

// The stock summary window: Items, "Value (cost)", "Value (retail)" and "Margin".
void ShowStockSummary(const StockDesk& desk);

}  // namespace ventro
