#include "listings/listing_commands.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/format.h"
#include "inventory/item_views.h"
#include "listings/list_print.h"
#include "listings/list_rows.h"
#include "platform/tell.h"
#include "reports/report_date.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";
constexpr int64_t kLargestNumber = 100000000000000000;  // 10^17

// What one list shows: its records, columns, title and totals.
struct ListContent {
  const MasterFile* file = nullptr;
  Selection selection;
  ListLayout layout;
  std::string title;
  std::string noun;  // "items", "customers", "suppliers"
  std::vector<std::string> totals;
  // The stock's value is added up from the rows as they print, with the cost where shown.
  bool values_stock = false;
  bool cost_shown = true;
};

std::optional<int64_t> AskNumber(Ui& ui, const std::string& prompt) {
  std::string text = "1";
  if (!ui.EditBox(prompt, text, 18)) return std::nullopt;
  const bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
  if (!digits) {
    ui.Message(kProblem, "Invalid entry");
    return std::nullopt;
  }
  const int64_t number = AtoI64(text);
  if (number < 1 || number > kLargestNumber) {
    ui.Message(kProblem, "Outside range");
    return std::nullopt;
  }
  return number;
}

std::optional<char> AskCharacter(Ui& ui, const std::string& prompt, char start) {
  std::string text(1, start);
  if (!ui.EditBox(prompt, text, 1)) return std::nullopt;
  if (text.size() != 1 || text[0] == ' ') {
    ui.Message(kProblem, "Invalid entry");
    return std::nullopt;
  }
  return text[0];
}

// A display category chosen from the codes, with "ALL" last where `with_all` (then -1).
std::optional<int> AskCategory(const ListingDesk& desk, bool with_all) {
  std::vector<std::string> codes;
  for (int c = 0; c < SettingsRecord::kCategoryCount; ++c) {
    codes.push_back(CategoryLabel(desk.settings, c));
  }
  if (with_all) codes.push_back("ALL");
  std::optional<int> chosen = desk.platform.ui.SelectFromList("CATEGORY", "Select category", codes);
  if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(codes.size())) return std::nullopt;
  return *chosen == SettingsRecord::kCategoryCount ? -1 : *chosen;
}

// "DD/MM/YYYY" as YYYYMMDD, or nothing for another text.
std::optional<int> ParseDate(const std::string& text) {
  if (text.size() != 10 || text[2] != '/' || text[5] != '/') return std::nullopt;
  for (size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
  }
  const int day = static_cast<int>(AtoI64(text.substr(0, 2)));
  const int month = static_cast<int>(AtoI64(text.substr(3, 2)));
  const int year = static_cast<int>(AtoI64(text.substr(6, 4)));
  if (day < 1 || day > 31 || month < 1 || month > 12 || year < 1900) return std::nullopt;
  return year * 10000 + month * 100 + day;
}

std::string CountText(const ListContent& content) {
  return StringPrintf("%zu %s", content.selection.slots.size(), content.noun.c_str());
}

std::vector<std::string> StockValueTotals(const RunningStockValue& value, bool cost_shown) {
  std::vector<std::string> totals;
  if (cost_shown) totals.push_back("Stock value at cost: " + FormatAmount(value.cost));
  totals.push_back("Stock value at retail: " + FormatAmount(value.retail));
  return totals;
}

void PrintList(const ListingDesk& desk, const ListContent& content) {
  Platform& platform = desk.platform;
  std::optional<PrintTarget> target =
      ChoosePrinter(platform, desk.settings, "", PrintRoute::kSummary);
  if (!target) return;
  PrintedList printed;
  RunningStockValue value;
  RowCells cells = content.layout.cells;
  if (content.values_stock) {
    cells = [&value, inner = content.layout.cells](const uint8_t* record) {
      value.Add(record);
      return inner(record);
    };
    printed.totals_after_rows = [&] { return StockValueTotals(value, content.cost_shown); };
  }
  RecordRows rows(platform.files, *content.file, content.selection.slots, std::move(cells));
  printed.shop = desk.settings.Get(cfg::kHeadingLine, 1);
  printed.title = content.title;
  printed.date = ReportDateText(platform.locale, platform.clock.Now());
  printed.columns = content.layout.columns;
  printed.rows = &rows;
  printed.totals = content.totals;
  printed.lines_per_page = desk.settings.Get(cfg::kListingLinesPerPage);
  printed.indent = std::clamp<int64_t>(desk.settings.Get(cfg::kListingIndent), 0, 40);
  PrintCopies(
      platform, *target, "listing",
      [&](PrintCanvas& canvas, DocumentPages& pages) { DrawListPage(canvas, pages, printed); },
      [&] { value = {}; });  // each copy adds its rows up afresh
}

void ShowList(const ListingDesk& desk, const ListContent& content) {
  RecordRows rows(desk.platform.files, *content.file, content.selection.slots,
                  content.layout.cells);
  TableView view;
  view.name = kListWindowName;
  view.title = content.title;
  view.heading = CountText(content);
  for (const std::string& total : content.totals) view.heading += "   " + total;
  view.columns = content.layout.columns;
  view.rows = &rows;
  view.actions = {"Print"};
  view.on_action = [&](const std::string& action) {
    if (action == "Print") PrintList(desk, content);
  };
  ShowTable(desk.platform.ui, view);
}

// Shows or prints `content`; an empty list or a failed read says so instead.
void Deliver(const ListingDesk& desk, const ListContent& content, const Status& status,
             ListOutput output) {
  if (!Tell(desk.platform.ui, status)) return;
  if (content.selection.slots.empty()) {
    desk.platform.ui.Message("Finished", "No match found", Icon::kInformation);
    return;
  }
  if (output == ListOutput::kScreen) {
    ShowList(desk, content);
  } else {
    PrintList(desk, content);
  }
}

// The query of `list`, asked of the clerk; nothing when cancelled or refused.
std::optional<ItemQuery> AskItemQuery(const ListingDesk& desk, ItemList list) {
  Ui& ui = desk.platform.ui;
  ItemQuery query;
  query.list = list;
  switch (list) {
    case ItemList::kFromNumber: {
      std::optional<int64_t> from = AskNumber(ui, "List from number:");
      if (!from) return std::nullopt;
      query.from_number = *from;
      break;
    }
    case ItemList::kAlphabetical: {
      std::optional<char> first = AskCharacter(ui, "Enter the start character:", 'A');
      if (!first) return std::nullopt;
      std::optional<char> last = AskCharacter(ui, "Enter the end character:", 'Z');
      if (!last) return std::nullopt;
      query.first = *first;
      query.last = *last;
      break;
    }
    case ItemList::kCategory:
    case ItemList::kTopSellers: {
      std::optional<int> category = AskCategory(desk, list == ItemList::kTopSellers);
      if (!category) return std::nullopt;
      query.category = *category;
      break;
    }
    case ItemList::kLocation: {
      std::string text;
      if (!ui.EditBox("Enter the location:", text, 40)) return std::nullopt;
      query.location = text;
      break;
    }
    default:
      break;
  }
  return query;
}

std::string ItemTitle(const ListingDesk& desk, const ItemQuery& query) {
  switch (query.list) {
    case ItemList::kFromNumber:
      return "Inventory list";
    case ItemList::kAlphabetical:
      return "Alphabetical inventory list";
    case ItemList::kCategory:
      return "Inventory for category " + CategoryLabel(desk.settings, query.category);
    case ItemList::kInStock:
      return "Inventory in stock";
    case ItemList::kLocation:
      return "Inventory at location " + query.location;
    case ItemList::kWithCost:
      return "Inventory with cost value";
    case ItemList::kCustom:
      return "Custom inventory list";
    case ItemList::kTopSellers: {
      if (query.category < 0) return "Top inventory: All categories";
      std::string code = CategoryLabel(desk.settings, query.category);
      code.resize(3, ' ');
      return StringPrintf("Top inventory for category %c%c%c", code[0], code[1], code[2]);
    }
    case ItemList::kBelowCost:
      return "Data cost retail check";
  }
  return {};
}

}  // namespace

void RunItemList(const ListingDesk& desk, ItemList list, ListOutput output) {
  std::optional<ItemQuery> query = AskItemQuery(desk, list);
  if (!query) return;
  const bool cost_shown = CostVisible(desk.settings);
  ListContent content;
  content.file = &desk.inventory;
  content.noun = "items";
  content.title = ItemTitle(desk, *query);
  const bool with_cost =
      cost_shown && (list == ItemList::kWithCost || list == ItemList::kBelowCost);
  content.layout = ItemLayout(desk.settings, with_cost, list == ItemList::kTopSellers);
  Status status = SelectItems(desk.platform.files, desk.inventory, *query, content.selection);
  content.values_stock = list == ItemList::kWithCost;
  content.cost_shown = cost_shown;
  Deliver(desk, content, status, output);
}

void PrintCustomItemList(const ListingDesk& desk) {
  static const std::pair<const char*, bool> kColumns[] = {
      {"number", true},    {"description", true}, {"price", true}, {"cost", false}, {"stock", true},
      {"category", false}, {"location", false},   {"code", false}, {"sold", false}};
  static const char* const kLabels[] = {"Number",   "Description", "Price",      "Cost", "Stock",
                                        "Category", "Location",    "Order code", "Sold"};
  Dialog dialog;
  dialog.name = "CUSTOMLIST";
  dialog.title = "Print custom";
  for (size_t i = 0; i < std::size(kColumns); ++i) {
    dialog.Add(CheckField(kColumns[i].first, kLabels[i], kColumns[i].second));
  }
  for (int c = 0; c < SettingsRecord::kCategoryCount; ++c) {
    dialog.Add(CheckField(StringPrintf("cat%d", c), CategoryLabel(desk.settings, c), true));
  }
  if (!desk.platform.ui.RunDialog(dialog)) return;

  const bool cost_shown = CostVisible(desk.settings);
  std::vector<std::string> keys;
  for (const auto& [key, checked] : kColumns) {
    if (!dialog.Field(key).checked) continue;
    if (std::string(key) == "cost" && !cost_shown) continue;
    keys.push_back(key);
  }
  ItemQuery query;
  query.list = ItemList::kCustom;
  for (int c = 0; c < SettingsRecord::kCategoryCount; ++c) {
    query.categories.push_back(dialog.Field(StringPrintf("cat%d", c)).checked);
  }
  ListContent content;
  content.file = &desk.inventory;
  content.noun = "items";
  content.title = ItemTitle(desk, query);
  content.layout = CustomItemLayout(desk.settings, keys);
  if (keys.empty()) {
    desk.platform.ui.Message("Finished", "No match found", Icon::kInformation);
    return;
  }
  Status status = SelectItems(desk.platform.files, desk.inventory, query, content.selection);
  Deliver(desk, content, status, ListOutput::kPrint);
}

void RunCustomerList(const ListingDesk& desk, CustomerList list, ListOutput output) {
  Ui& ui = desk.platform.ui;
  CustomerQuery query;
  query.list = list;
  ListContent content;
  content.file = &desk.customers;
  content.noun = "customers";
  content.layout = CustomerLayout();
  switch (list) {
    case CustomerList::kFromNumber: {
      std::optional<int64_t> from = AskNumber(ui, "List from number:");
      if (!from) return;
      query.from_number = *from;
      content.title = "Customer list";
      break;
    }
    case CustomerList::kAlphabetical: {
      std::optional<char> first = AskCharacter(ui, "Enter the start character:", 'A');
      if (!first) return;
      std::optional<char> last = AskCharacter(ui, "Enter the end character:", 'Z');
      if (!last) return;
      query.first = *first;
      query.last = *last;
      content.title = "Alphabetical customer list";
      break;
    }
    case CustomerList::kAddress: {
      std::string text;
      if (!ui.EditBox("Enter first line of address", text, 40)) return;
      if (text.size() > 28) {
        ui.Message(kProblem, "Limit 28 characters");
        return;
      }
      query.address = text;
      content.title = "Customers at " + text;
      break;
    }
    case CustomerList::kDebtors:
      content.title = "Customers with non zero credit";
      break;
    case CustomerList::kInactive: {
      const LocalTime now = desk.platform.clock.Now();
      std::string text = StringPrintf("%02d/%02d/%04d", now.day, now.month, now.year);
      if (!ui.EditBox("Inactive since (DD/MM/YYYY):", text, 10)) return;
      std::optional<int> since = ParseDate(text);
      if (!since) {
        ui.Message(kProblem, "Invalid entry");
        return;
      }
      query.since = *since;
      content.title = "Customers inactive since " + text;
      break;
    }
    case CustomerList::kOutstanding:
      content.title = "Outstanding balances";
      break;
  }
  Status status = SelectCustomers(desk.platform.files, desk.customers, query, content.selection);
  if (list == CustomerList::kDebtors || list == CustomerList::kOutstanding) {
    content.totals.push_back("Total balances: " + FormatAmount(content.selection.balances));
  }
  Deliver(desk, content, status, output);
}

void RunSupplierList(const ListingDesk& desk, ListOutput output) {
  int64_t from = 1;
  if (output == ListOutput::kPrint) {
    std::optional<int64_t> asked = AskNumber(desk.platform.ui, "Print suppliers from number:");
    if (!asked) return;
    from = *asked;
  }
  ListContent content;
  content.file = &desk.suppliers;
  content.noun = "suppliers";
  content.title = "Supplier list";
  content.layout = SupplierLayout();
  content.selection.slots = SlotsFromNumber(desk.suppliers, from);
  Deliver(desk, content, Status::Ok(), output);
}

}  // namespace ventro
