// The parts a sale and a refund share when they are written: the inventory records their lines
// touch, read before anything is written, and the one change that appends the transaction to
// the day logs with the items, the customer and the settings it moves.
#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/customer_record.h"
#include "formats/inventory_record.h"
#include "platform/clock.h"
#include "sale/basket.h"
#include "store/journal.h"

namespace ventro {

struct SaleSession;
class SettingsRecord;

// The inventory records a basket's lines name, read before anything is written.
struct BasketItems {
  std::vector<int64_t> position;               // per line; -1 for a line without an item
  std::map<int64_t, InventoryRecord> records;  // by slot, as read
};

// Finds and reads the item of every line of the open basket: an unknown item "Invalid entry"
// titled "Problem", a missing inventory.dat "Data file: inventory.dat, not present." titled
// "Fatal error", a short read "Not able to read inventory.dat" titled "Problem". Nothing (the
// message shown) when a line cannot be written.
std::optional<BasketItems> ReadBasketItems(SaleSession& session);

// A customer record that changes with the transaction, made in the same change.
struct CustomerUpdate {
  int64_t position = -1;  // its slot in customer.dat
  CustomerRecord record;
};

// One more and one less, stopping at the largest and smallest value rather than wrapping.
template <typename T>
T CountOneMore(T count) {
  return count < std::numeric_limits<T>::max() ? count + 1 : count;
}
template <typename T>
T CountOneLess(T count) {
  return count > std::numeric_limits<T>::min() ? count - 1 : count;
}

// What a transaction writes, built in memory: `basket` as it is stored (stamped, its totals as
// they go to the logs), the items log category of each line, the item records that change, the
// customer charged or credited, and the settings as they are saved.
struct TransactionWrite {
  const Basket* basket = nullptr;
  std::vector<int64_t> categories;                            // per line
  const std::map<int64_t, InventoryRecord>* items = nullptr;  // by slot; null for none
  const CustomerUpdate* customer = nullptr;
  const SettingsRecord* settings = nullptr;
};

// The change that writes `write` at `now`: the year index record, the sales log record and the
// items log records appended (after the whole records each log holds), the item records and the
// customer overwritten in place, and the settings file replaced.
FileChange BuildTransactionChange(SaleSession& session, const LocalTime& now,
                                  const TransactionWrite& write);

// Makes `change` through the journal. "Not able to write to <file>" titled "Problem" when it
// failed; false when nothing was changed (a change kept in the journal is made at the next
// start, so it counts as made).
bool MakeTransactionChange(SaleSession& session, const FileChange& change);

// The name of the settings' signed-on clerk, empty for a number outside the clerk table.
std::string SignedOnClerkName(const SettingsRecord& settings);

}  // namespace ventro
