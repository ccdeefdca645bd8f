#include "sale/commit.h"

#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/format.h"
#include "platform/clock_text.h"
#include "platform/tell.h"
#include "sale/day_text_entry.h"
#include "sale/sale_session.h"
#include "sale/sales_log_record.h"
#include "store/day_log.h"
#include "store/journal.h"
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

std::optional<SoldItems> ReadSoldItems(SaleSession& session) {
  const Basket& basket = session.sale.basket;
  SoldItems sold;
  sold.position.assign(static_cast<size_t>(basket.line_count), -1);
  for (int i = 0; i < basket.line_count; ++i) {
    const int64_t number = basket.item_number[static_cast<size_t>(i)];
    if (number == 0) continue;
    std::optional<int64_t> position = session.inventory.FindPosition(number);
    if (!position) {
      session.ui().Message(kProblem, "Invalid entry", Icon::kError);
      return std::nullopt;
    }
    sold.position[static_cast<size_t>(i)] = *position;
    sold.records.try_emplace(*position);
  }
  if (sold.records.empty()) return sold;
  // Whether the file can be written is found when the change is made, and reported as such.
  std::unique_ptr<File> file = session.files().Open(session.paths.inventory, OpenMode::kRead);
  if (!file) {
    session.ui().Message(kFatalError, "Data file: inventory.dat, not present.", Icon::kError);
    return std::nullopt;
  }
  for (auto& [position, record] : sold.records) {
    const uint64_t offset = static_cast<uint64_t>(position) * InventoryRecord::kSize;
    if (file->ReadAt(offset, record.data(), InventoryRecord::kSize) != InventoryRecord::kSize) {
      session.ui().Message(kProblem, "Not able to read inventory.dat", Icon::kError);
      return std::nullopt;
    }
  }
  return sold;
}

std::string_view Bytes(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// One more, stopping at the largest value rather than wrapping to a negative count.
template <typename T>
T CountOneMore(T count) {
  return count < std::numeric_limits<T>::max() ? count + 1 : count;
}

// Moves the settings' counters and the item record for line `line` of the basket; gives the
// category the items log records.
int64_t SellLine(SettingsRecord& settings, const Basket& basket, int line, InventoryRecord& item,
                 const std::string& stamp) {
  item.Set(inv::kTotalSold, CountOneMore(item.Get(inv::kTotalSold)));
  item.Set(inv::kLastUsed, stamp);
  const int32_t category = item.Get(inv::kDisplayCategory);
  if (category >= 0 && category < SettingsRecord::kCategoryCount) {
    settings.SetCategorySoldA(category, CountOneMore(settings.CategorySoldA(category)));
    settings.SetCategorySoldB(category, CountOneMore(settings.CategorySoldB(category)));
    settings.Set(cfg::kCategorySalesValue, category,
                 settings.Get(cfg::kCategorySalesValue, category) +
                     basket.line_total[static_cast<size_t>(line)]);
  }
  if (item.Get(inv::kQuantity) > 0) item.Set(inv::kQuantity, item.Get(inv::kQuantity) - 1);
  return category;
}

}  // namespace

bool CanCommitBasket(SaleSession& session) { return ReadSoldItems(session).has_value(); }

bool RecordTransaction(SaleSession& session, const CustomerUpdate* customer) {
  Basket& basket = session.sale.basket;
  if (basket.line_count < 1) return false;
  if (session.sale.list.empty()) {
    basket = Basket{};
    session.ui().Message(kProblem, "No items", Icon::kWarning);
    return false;
  }
  std::optional<SoldItems> sold = ReadSoldItems(session);
  if (!sold) return false;

  Ui& ui = session.ui();
  Files& files = session.files();
  const Path& folder = session.paths.folder;
  Tell(ui, EnsureYearMonthFolders(files, folder, session.Now()));
  const LocalTime now = session.Now();
  Tell(ui, EnsureDayFolders(files, folder, now));
  basket.transaction_number = session.settings.Get(cfg::kNextTransaction);

  // The whole sale is built in memory and made as one change: the year index, the sales and
  // items logs, every item sold, the customer charged and the settings with the next number.
  SettingsRecord changed = session.settings;
  std::map<int64_t, InventoryRecord> changed_items = sold->records;
  const std::string stamp = TimeAndDateText(now);
  std::string item_records;
  for (int i = 0; i < basket.line_count; ++i) {
    const int64_t position = sold->position[static_cast<size_t>(i)];
    int64_t category = ItemsLogRecord::kNonInventoryCategory;
    if (position >= 0) category = SellLine(changed, basket, i, changed_items[position], stamp);
    ItemsLogRecord record = ItemsLogRecord::FromBasketLine(basket, i, category);
    item_records += Bytes(record.data(), ItemsLogRecord::kSize);
  }
  if (TextOf(basket.texts.payment_type) != "Credit") {
    changed.Set(cfg::kTakingsTotal, changed.Get(cfg::kTakingsTotal) + basket.totals.grand_total);
  }
  changed.Set(cfg::kNextTransaction, changed.Get(cfg::kNextTransaction) + 1);

  const YearIndexRecord year_record(basket.transaction_number, now.day, now.month);
  const SalesLogRecord sales_record = SalesLogRecord::FromBasket(basket);
  FileChange change;
  AppendLogRecordsToChange(files, change, YearFolder(folder, now) / "base.dat",
                           YearIndexRecord::kSize, YearIndexRecord::kHeaderSize,
                           Bytes(year_record.data(), YearIndexRecord::kSize));
  AppendLogRecordsToChange(files, change, DayFolder(folder, now) / "saleslog.dat",
                           SalesLogRecord::kSize, 0,
                           Bytes(sales_record.data(), SalesLogRecord::kSize));
  AppendLogRecordsToChange(files, change, DayFolder(folder, now) / "itemslog.dat",
                           ItemsLogRecord::kSize, 0, item_records);
  for (const auto& [position, record] : changed_items) {
    change.Overwrite(session.paths.inventory,
                     static_cast<uint64_t>(position) * InventoryRecord::kSize,
                     Bytes(record.data(), InventoryRecord::kSize));
  }
  if (customer) {
    change.Overwrite(session.paths.customer,
                     static_cast<uint64_t>(customer->position) * CustomerRecord::kSize,
                     Bytes(customer->record.data(), CustomerRecord::kSize));
  }
  change.Replace(session.paths.settings, changed.view());

  const ChangeResult result = MakeChange(files, folder, change);
  if (!result.ok) {
    ui.Message(kProblem, "Not able to write to " + result.failed.filename().string(), Icon::kError);
    // A change kept in the journal is made at the next start: the sale stands.
    if (!result.kept) return false;
  }
  session.settings = changed;

  // The readable day text log follows the sale; its loss does not undo the sale.
  const LocalTime logged = session.Now();
  const int64_t clerk = changed.Get(cfg::kSignedOnClerk);
  const std::string clerk_name = clerk >= 1 && clerk <= SettingsRecord::kClerkCount
                                     ? changed.Get(cfg::kClerkName, static_cast<int>(clerk))
                                     : "";
  if (!AppendDayText(files, folder, logged, SaleDayTextEntry(logged, basket, clerk_name))) {
    ui.Message(kProblem, "Data log file not present.", Icon::kWarning);
  }
  return true;
}

void ClearCommittedBasket(SaleSession& session) {
  session.sale.basket = Basket{};
  session.sale.list.clear();
  session.sale.selected_line = -1;
  session.window.ScreenChanged();
}

bool CommitTransaction(SaleSession& session) {
  if (!RecordTransaction(session)) return false;
  ClearCommittedBasket(session);
  return true;
}

void LogTillOpened(SaleSession& session) {
  const LocalTime now = session.Now();
  Tell(session.ui(), EnsureYearMonthFolders(session.files(), session.paths.folder, now));
  if (!AppendDayText(session.files(), session.paths.folder, now, TillOpenedDayTextEntry(now))) {
    session.ui().Message(kProblem, "Data log file not present.", Icon::kWarning);
  }
}

}  // namespace ventro
