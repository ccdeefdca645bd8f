#include "inventory/stock_receipt.h"

#include <limits>
#include <memory>
#include <string>

#include "formats/incoming_record.h"
#include "platform/tell.h"
#include "sale/sales_log_record.h"
#include "store/day_log.h"
#include "store/journal.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";

std::string_view Bytes(const InventoryRecord& record) {
  return {reinterpret_cast<const char*>(record.data()), InventoryRecord::kSize};
}

// Where the day's receiving log takes its next record: after its whole records, so that a
// partial record left by an interrupted write is cut. Nothing when the log cannot be opened
// (or made) for appending.
std::optional<uint64_t> OpenIncomingLog(Files& files, const Path& log) {
  std::unique_ptr<File> file = files.Open(log, OpenMode::kAppendCreate);
  if (!file) return std::nullopt;
  std::optional<uint64_t> size = file->Size();
  if (!size) return std::nullopt;
  return WholeRecordsSize(*size, IncomingRecord::kSize);
}

}  // namespace

std::optional<InventoryRecord> ApplyReceipt(const InventoryRecord& item,
                                            const StockReceipt& receipt) {
  if (receipt.quantity < 1 || receipt.quantity > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  // Summed in 64 bits: a total past the record's 32-bit count is refused, not wrapped.
  const int64_t stock = int64_t{item.Get(inv::kQuantity)} + receipt.quantity;
  if (stock > std::numeric_limits<int32_t>::max()) return std::nullopt;
  InventoryRecord received = item;
  received.Set(inv::kQuantity, static_cast<int32_t>(stock));
  const int32_t on_order = item.Get(inv::kOnOrder);
  if (on_order > 0) {
    const int64_t left = int64_t{on_order} - receipt.quantity;
    received.Set(inv::kOnOrder, static_cast<int32_t>(left < 0 ? 0 : left));
  }
  received.Set(inv::kSellByDay, receipt.sell_by_day);
  received.Set(inv::kSellByMonth, receipt.sell_by_month);
  received.Set(inv::kSellByYearOffset, receipt.sell_by_year_offset);
  return received;
}

bool RecordStockReceipt(Platform& platform, const Path& data_folder, MasterFile& inventory,
                        const StockReceipt& receipt) {
  Ui& ui = platform.ui;
  Files& files = platform.files;
  std::optional<InventoryRecord> received = ApplyReceipt(inventory.item(), receipt);
  if (!received) {
    ui.Message(kProblem, "Invalid quantity", Icon::kError);
    return false;
  }
  const int64_t position = inventory.current_position();
  if (position < 0) return false;

  // The log is made ready before anything is changed, so that a log that cannot be written
  // leaves the stock as it was.
  const LocalTime now = platform.clock.Now();
  const std::vector<Status> folders = EnsureDayFolders(files, data_folder, now);
  const Path log = DayFolder(data_folder, now) / kIncomingLogName;
  std::optional<uint64_t> log_end;
  if (files.IsReadableDirectory(DayFolder(data_folder, now))) {
    Tell(ui, folders);
    log_end = OpenIncomingLog(files, log);
  }
  if (!log_end) {
    ui.Message(kProblem, "Unable to open incoming log.", Icon::kError);
    return false;
  }

  FileChange change;
  change.Overwrite(inventory.path(), static_cast<uint64_t>(position) * InventoryRecord::kSize,
                   Bytes(*received));
  change.Append(log, *log_end,
                IncomingRecord{received->Get(inv::kNumber), receipt.quantity}.Bytes());
  const ChangeResult result = MakeChange(files, data_folder, change);
  if (!result.ok) {
    ui.Message(kProblem, "Not able to write to " + result.failed.filename().string(), Icon::kError);
    // A change kept in the journal is made at the next start: the receipt stands.
    if (!result.kept) return false;
  }
  inventory.item() = *received;
  return true;
}

}  // namespace ventro
