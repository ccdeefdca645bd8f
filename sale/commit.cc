#include "sale/commit.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ventro.h"
#include "base/format.h"
#include "platform/clock_text.h"
#include "sale/day_text_entry.h"
#include "sale/sales_log_record.h"
#include "store/day_log.h"
#include "store/settings_file.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";
constexpr char kFatalError[] = "Fatal error";

// The inventory records a basket sells, read before anything is written.
struct SoldItems {
  std::vector<int64_t> position;               // per line; -1 for a line without an item
  std::map<int64_t, InventoryRecord> records;  // by slot, as read
};

std::optional<SoldItems> ReadSoldItems(Ventro& v) {
  const Basket& basket = v.sale.basket;
  SoldItems sold;
  sold.position.assign(static_cast<size_t>(basket.line_count), -1);
  for (int i = 0; i < basket.line_count; ++i) {
    const int64_t number = basket.item_number[static_cast<size_t>(i)];
    if (number == 0) continue;
    std::optional<int64_t> position = v.inventory.FindPosition(number);
    if (!position) {
      v.ui().Message(kProblem, "Invalid entry", Icon::kError);
      return std::nullopt;
    }
    sold.position[static_cast<size_t>(i)] = *position;
    sold.records.try_emplace(*position);
  }
  if (sold.records.empty()) return sold;
  // Opened for writing too, so that a file that could not be written back is found now.
  std::unique_ptr<File> file = v.files().Open(v.paths.inventory, OpenMode::kReadWrite);
  if (!file) {
    v.ui().Message(kFatalError, "Data file: inventory.dat, not present.", Icon::kError);
    return std::nullopt;
  }
  for (auto& [position, record] : sold.records) {
    const uint64_t offset = static_cast<uint64_t>(position) * InventoryRecord::kSize;
    if (file->ReadAt(offset, record.data(), InventoryRecord::kSize) != InventoryRecord::kSize) {
      v.ui().Message(kProblem, "Not able to read inventory.dat", Icon::kError);
      return std::nullopt;
    }
  }
  return sold;
}

// A day log opened for the commit, with its size before the commit's append.
struct OpenLog {
  std::unique_ptr<File> file;
  const char* name = "";
  size_t record_size = 0;
  size_t header_size = 0;
  uint64_t start = 0;  // where this commit's records begin
};

bool Prepare(OpenLog& log, std::unique_ptr<File> file, const char* name, size_t record_size,
             size_t header_size) {
  log.file = std::move(file);
  log.name = name;
  log.record_size = record_size;
  log.header_size = header_size;
  std::optional<uint64_t> size = log.file ? log.file->Size() : std::nullopt;
  if (!size) return false;
  log.start = WholeRecordsSize(*size, record_size, header_size);
  return true;
}

// Opens the year index, the sales log and the items log of `now`, making the day's folders
// when a log cannot be opened. Reports the first log that stays closed.
bool OpenLogs(Ventro& v, const LocalTime& now, OpenLog& year, OpenLog& sales, OpenLog& items) {
  Ui& ui = v.ui();
  Files& files = v.files();
  const Path& folder = v.paths.folder;

  const Path year_path = YearFolder(folder, now) / "base.dat";
  std::unique_ptr<File> year_file;
  if (files.Exists(year_path)) year_file = files.Open(year_path, OpenMode::kReadWrite);
  if (!year_file) {
    EnsureDayFolders(ui, files, folder, now);
    year_file = files.Open(year_path, OpenMode::kAppendCreate);
  }
  if (!Prepare(year, std::move(year_file), "base.dat", YearIndexRecord::kSize,
               YearIndexRecord::kHeaderSize)) {
    ui.Message(kProblem, "Unable to open invoice log.", Icon::kError);
    return false;
  }

  const Path sales_path = DayFolder(folder, now) / "saleslog.dat";
  std::unique_ptr<File> sales_file = files.Open(sales_path, OpenMode::kAppendCreate);
  if (!sales_file) {
    EnsureDayFolders(ui, files, folder, now);
    sales_file = files.Open(sales_path, OpenMode::kAppendCreate);
  }
  if (!Prepare(sales, std::move(sales_file), "saleslog.dat", SalesLogRecord::kSize, 0)) {
    ui.Message(kProblem, "Unable to open sales log.", Icon::kError);
    return false;
  }

  const Path items_path = DayFolder(folder, now) / "itemslog.dat";
  if (!Prepare(items, files.Open(items_path, OpenMode::kAppendCreate), "itemslog.dat",
               ItemsLogRecord::kSize, 0)) {
    ui.Message(kProblem, "Unable to open items log.", Icon::kError);
    return false;
  }
  return true;
}

bool Append(OpenLog& log, const void* records, size_t length) {
  return AppendLogRecords(*log.file, records, length, log.record_size, log.header_size);
}

// Moves the settings' counters and the item record for line `line` of the basket; gives the
// category the items log records.
int64_t SellLine(SettingsRecord& settings, const Basket& basket, int line, InventoryRecord& item,
                 const std::string& stamp) {
  item.Set(inv::kTotalSold, item.Get(inv::kTotalSold) + 1);
  item.Set(inv::kLastUsed, stamp);
  const int32_t category = item.Get(inv::kDisplayCategory);
  if (category >= 0 && category < SettingsRecord::kCategoryCount) {
    settings.SetCategorySoldA(category, settings.CategorySoldA(category) + 1);
    settings.SetCategorySoldB(category, settings.CategorySoldB(category) + 1);
    settings.Set(cfg::kCategorySalesValue, category,
                 RoundToCents(settings.Get(cfg::kCategorySalesValue, category) +
                              basket.line_total[static_cast<size_t>(line)]));
  }
  if (item.Get(inv::kQuantity) > 0) item.Set(inv::kQuantity, item.Get(inv::kQuantity) - 1);
  return category;
}

void EmptyBasket(Ventro& v) {
  v.sale.basket = Basket{};
  v.sale.list.clear();
  v.sale.selected_line = -1;
  v.host.ScreenChanged();
}

}  // namespace

bool CanCommitBasket(Ventro& ventro) { return ReadSoldItems(ventro).has_value(); }

bool CommitTransaction(Ventro& ventro) {
  Basket& basket = ventro.sale.basket;
  if (basket.line_count < 1) return false;
  if (ventro.sale.list.empty()) {
    basket = Basket{};
    ventro.ui().Message(kProblem, "No items", Icon::kWarning);
    return false;
  }
  std::optional<SoldItems> sold = ReadSoldItems(ventro);
  if (!sold) return false;

  Ui& ui = ventro.ui();
  Files& files = ventro.files();
  SettingsRecord& settings = ventro.settings;
  EnsureYearMonthFolders(ui, files, ventro.paths.folder, ventro.Now());
  basket.transaction_number = settings.Get(cfg::kNextTransaction);

  const LocalTime now = ventro.Now();
  OpenLog year, sales, items;
  if (!OpenLogs(ventro, now, year, sales, items)) return false;

  // Everything is built in memory first; the settings change only once the records are down.
  SettingsRecord changed_settings = settings;
  std::map<int64_t, InventoryRecord> changed_items = sold->records;
  const std::string stamp = TimeAndDateText(now);
  std::string item_records;
  for (int i = 0; i < basket.line_count; ++i) {
    const int64_t position = sold->position[static_cast<size_t>(i)];
    int64_t category = ItemsLogRecord::kNonInventoryCategory;
    if (position >= 0) {
      category = SellLine(changed_settings, basket, i, changed_items[position], stamp);
    }
    ItemsLogRecord record = ItemsLogRecord::FromBasketLine(basket, i, category);
    item_records.append(reinterpret_cast<const char*>(record.data()), ItemsLogRecord::kSize);
  }
  const YearIndexRecord year_record(basket.transaction_number, now.day, now.month);
  const SalesLogRecord sales_record = SalesLogRecord::FromBasket(basket);

  const char* failed = nullptr;
  if (!Append(year, year_record.data(), YearIndexRecord::kSize)) {
    failed = year.name;
  } else if (!Append(sales, sales_record.data(), SalesLogRecord::kSize)) {
    failed = sales.name;
  } else if (!Append(items, item_records.data(), item_records.size())) {
    failed = items.name;
  }
  std::vector<int64_t> written_items;
  for (const auto& [position, record] : changed_items) {
    if (failed) break;
    // Written through the master file, so that what it keeps in memory follows.
    if (ventro.inventory.WriteAt(files, position, record.data()) != WriteStatus::kOk) {
      failed = "inventory.dat";
    } else {
      written_items.push_back(position);
    }
  }
  if (failed) {
    // Take the commit back so that the logs and the stock agree with an uncommitted sale.
    for (OpenLog* log : {&year, &sales, &items}) log->file->Truncate(log->start);
    for (int64_t position : written_items) {
      ventro.inventory.WriteAt(files, position, sold->records[position].data());
    }
    ui.Message(kProblem, std::string("Not able to write to ") + failed, Icon::kError);
    return false;
  }
  settings = changed_settings;

  const LocalTime logged = ventro.Now();
  const int64_t clerk = settings.Get(cfg::kSignedOnClerk);
  const std::string clerk_name = clerk >= 1 && clerk <= SettingsRecord::kClerkCount
                                     ? settings.Get(cfg::kClerkName, static_cast<int>(clerk))
                                     : "";
  if (!AppendDayText(files, ventro.paths.folder, logged,
                     SaleDayTextEntry(logged, basket, clerk_name))) {
    ui.Message(kProblem, "Data log file not present.", Icon::kWarning);
  }

  if (TextOf(basket.texts.payment_type) != "Credit") {
    settings.Set(cfg::kTakingsTotal,
                 RoundToCents(settings.Get(cfg::kTakingsTotal) + basket.totals.grand_total));
  }
  settings.Set(cfg::kNextTransaction, settings.Get(cfg::kNextTransaction) + 1);
  if (!SaveSettingsFile(files, ventro.paths.settings, settings)) {
    ui.Message(kFatalError, "Unable to update the configuration file", Icon::kError);
  }
  EmptyBasket(ventro);
  return true;
}

void LogTillOpened(Ventro& ventro) {
  const LocalTime now = ventro.Now();
  EnsureYearMonthFolders(ventro.ui(), ventro.files(), ventro.paths.folder, now);
  if (!AppendDayText(ventro.files(), ventro.paths.folder, now, TillOpenedDayTextEntry(now))) {
    ventro.ui().Message(kProblem, "Data log file not present.", Icon::kWarning);
  }
}

}  // namespace ventro
