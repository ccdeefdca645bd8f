#include "reports/stock_list_window.h"

#include <algorithm>
#include <optional>

#include "base/format.h"
#include "platform/tell.h"
#include "reports/report_date.h"

namespace ventro {
namespace {

constexpr int kFirstItemLine = 3;  // below the heading, the column heading and a blank line

std::string PageHeading(StockList list, const std::string& shop, const std::string& date,
                        int page) {
  const char* format = "";
  switch (list) {
    case StockList::kReorder:
    case StockList::kReorderByCode:
      format = "%s Reorder list: %s      Page: %d";
      break;
    case StockList::kOutOfStock:
      format = "%s  Out of stock list: %s      Page: %d";
      break;
    case StockList::kSpecialOrders:
      format = "%s  Special order list: %s      Page: %d";
      break;
    case StockList::kSellBy:
      format = "%s  Sell by list: %s      Page: %d";
      break;
  }
  return StringPrintf(format, shop.c_str(), date.c_str(), page);
}

std::string PrintedColumns(StockList list) {
  switch (list) {
    case StockList::kReorder:
      return "Item, Restock level, In stock, On order, Order quantity, Order code";
    case StockList::kReorderByCode:
      return "Order code, Item, Restock level, In stock, On order, Order quantity";
    case StockList::kOutOfStock:
      return "Item, Reorder level, On order, Order qty, Code";
    default:
      return {};
  }
}

const char* TemplateOf(StockList list) {
  switch (list) {
    case StockList::kReorder:
      return "Invoice2";
    case StockList::kReorderByCode:
      return "Invoice4";
    default:
      return "Invoices";
  }
}

void PrintStockList(const StockDesk& desk, StockList list, const std::vector<std::string>& lines) {
  std::optional<PrintTarget> target =
      ChoosePrinter(desk.platform, desk.settings, "", PrintRoute::kSummary);
  if (!target) return;
  const std::string shop = desk.settings.Get(cfg::kHeadingLine, 1);
  const std::string date = ReportDateText(desk.platform.locale, desk.platform.clock.Now());
  PrintCopies(desk.platform, *target, "stock-list", [&](PrintCanvas& canvas, DocumentPages& pages) {
    DrawStockListPage(canvas, pages, list, shop, date, lines);
  });
}

DialogField Shown(const char* key, const char* label, std::string text) {
  DialogField field = TextField(key, label, std::move(text), 0);
  field.kind = FieldKind::kReadOnly;
  return field;
}

}  // namespace

void DrawStockListPage(PrintCanvas& canvas, DocumentPages& pages, StockList list,
                       const std::string& shop, const std::string& date,
                       const std::vector<std::string>& lines) {
  const FontMetrics metrics = canvas.Metrics();
  const int line_height = std::max(1, metrics.height + metrics.external_leading);
  const int page_height = canvas.Caps().height;
  auto write = [&](int line, const std::string& text) {
    canvas.Text(0, line * line_height, TextAlign::kLeft, text);
  };
  write(0, PageHeading(list, shop, date, pages.page));
  const std::string columns = PrintedColumns(list);
  if (!columns.empty()) write(1, columns);
  size_t next = static_cast<size_t>(pages.resume_line);
  for (int line = kFirstItemLine; next < lines.size();) {
    write(line++, lines[next++]);
    if ((line_height + 2) * line > page_height) break;
  }
  if (next < lines.size()) {
    ++pages.page;
    pages.resume_line = static_cast<int>(next);
  }
}

void ShowStockList(const StockDesk& desk, StockList list) {
  std::vector<std::string> lines;
  Tell(desk.platform.ui, CollectStockList(desk.platform.files, desk.inventory, list,
                                          desk.platform.clock.Now(), lines));
  std::string text = StockListColumns(list);
  for (const std::string& line : lines) {
    if (!text.empty()) text += '\n';
    text += line;
  }
  Dialog dialog;
  dialog.name = TemplateOf(list);
  dialog.title = StockListTitle(list);
  DialogField shown = Shown("list", "", text);
  shown.multiline = true;
  dialog.Add(std::move(shown));
  dialog.buttons = {"OK"};
  dialog.actions = {"Print"};
  dialog.on_change = [&](Dialog&, const std::string& key) {
    if (key == "Print") PrintStockList(desk, list, lines);
  };
  desk.platform.ui.RunDialog(dialog);
}

void ShowStockSummary(const StockDesk& desk) {
  StockValue value;
  Tell(desk.platform.ui, SumStockValue(desk.platform.files, desk.inventory, value));
  Dialog dialog;
  dialog.name = "Summary";
  dialog.title = "Stock summary";
  dialog.Add(Shown("items", "Items", StringPrintf("%lld", static_cast<long long>(value.items))));
  dialog.Add(Shown("cost", "Value (cost)", FormatAmount(value.cost)));
  dialog.Add(Shown("retail", "Value (retail)", FormatAmount(value.retail)));
  dialog.Add(Shown("margin", "Margin", value.MarginText()));
  dialog.buttons = {"OK"};
  desk.platform.ui.RunDialog(dialog);
}

}  // namespace ventro
