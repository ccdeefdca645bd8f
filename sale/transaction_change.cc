#include "sale/transaction_change.h"

#include <memory>

#include "formats/settings_record.h"
#include "sale/sale_session.h"
#include "sale/sales_log_record.h"
#include "store/day_log.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";

std::string_view Bytes(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace

std::optional<BasketItems> ReadBasketItems(SaleSession& session) {
  const Basket& basket = session.sale.basket;
  BasketItems items;
  items.position.assign(static_cast<size_t>(basket.line_count), -1);
  for (int i = 0; i < basket.line_count; ++i) {
    const int64_t number = basket.item_number[static_cast<size_t>(i)];
    if (number == 0) continue;
    std::optional<int64_t> position = session.inventory.FindPosition(number);
    if (!position) {
      session.ui().Message(kProblem, "Invalid entry", Icon::kError);
      return std::nullopt;
    }
    items.position[static_cast<size_t>(i)] = *position;
    items.records.try_emplace(*position);
  }
  if (items.records.empty()) return items;
  // Whether the file can be written is found when the change is made, and reported as such.
  std::unique_ptr<File> file = session.files().Open(session.paths.inventory, OpenMode::kRead);
  if (!file) {
    session.ui().Message("Fatal error", "Data file: inventory.dat, not present.", Icon::kError);
    return std::nullopt;
  }
  for (auto& [position, record] : items.records) {
    const uint64_t offset = static_cast<uint64_t>(position) * InventoryRecord::kSize;
    if (file->ReadAt(offset, record.data(), InventoryRecord::kSize) != InventoryRecord::kSize) {
      session.ui().Message(kProblem, "Not able to read inventory.dat", Icon::kError);
      return std::nullopt;
    }
  }
  return items;
}

FileChange BuildTransactionChange(SaleSession& session, const LocalTime& now,
                                  const TransactionWrite& write) {
  Files& files = session.files();
  const Path& folder = session.paths.folder;
  const Basket& basket = *write.basket;
  std::string item_records;
  for (int i = 0; i < basket.line_count; ++i) {
    const ItemsLogRecord record =
        ItemsLogRecord::FromBasketLine(basket, i, write.categories[static_cast<size_t>(i)]);
    item_records += Bytes(record.data(), ItemsLogRecord::kSize);
  }
  const YearIndexRecord year_record(basket.transaction_number, now.day, now.month);
  const SalesLogRecord sales_record = SalesLogRecord::FromBasket(basket);

  FileChange change;
  AppendTransactionToChange(files, change, folder, now, year_record, sales_record);
  AppendLogRecordsToChange(files, change, DayFolder(folder, now) / "itemslog.dat",
                           ItemsLogRecord::kSize, 0, item_records);
  if (write.items) {
    for (const auto& [position, record] : *write.items) {
      change.Overwrite(session.paths.inventory,
                       static_cast<uint64_t>(position) * InventoryRecord::kSize,
                       Bytes(record.data(), InventoryRecord::kSize));
    }
  }
  if (write.customer) {
    change.Overwrite(session.paths.customer,
                     static_cast<uint64_t>(write.customer->position) * CustomerRecord::kSize,
                     Bytes(write.customer->record.data(), CustomerRecord::kSize));
  }
  change.Replace(session.paths.settings, write.settings->view());
  return change;
}

bool MakeTransactionChange(SaleSession& session, const FileChange& change) {
  const ChangeResult result = MakeChange(session.files(), session.paths.folder, change);
  if (result.ok) return true;
  session.ui().Message(kProblem, "Not able to write to " + result.failed.filename().string(),
                       Icon::kError);
  return result.kept;
}

std::string SignedOnClerkName(const SettingsRecord& settings) {
  const int64_t clerk = settings.Get(cfg::kSignedOnClerk);
  if (clerk < 1 || clerk > SettingsRecord::kClerkCount) return "";
  return settings.Get(cfg::kClerkName, static_cast<int>(clerk));
}

}  // namespace ventro
