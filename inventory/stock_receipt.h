// Booking goods in: the item's stock raised, its quantity on order lowered and its sell-by date
// set, with one record in the day's receiving log, the two written as one change.
#pragma once

#include <cstdint>
#include <optional>

#include "formats/inventory_record.h"
#include "platform/platform.h"
#include "store/master_file.h"

namespace ventro {

struct StockReceipt {
  int64_t quantity = 0;
  // The sell-by list positions: day 0 to 31, month 0 to 12, year 0 (none) or 1 for 2012 on.
  int32_t sell_by_day = 0;
  int32_t sell_by_month = 0;
  int32_t sell_by_year_offset = 0;
};

// `item` after `receipt`: stock + quantity, on order (when above 0) less the quantity but not
// below 0, the sell-by slots from the receipt. Nothing when the quantity is below 1 or the
// new stock would not fit the record's 32-bit count.
std::optional<InventoryRecord> ApplyReceipt(const InventoryRecord& item,
                                            const StockReceipt& receipt);

// Books `receipt` in for the inventory's current item (its record and slot). The day folders
// are made and today's ininvent.dat opened first; when it cannot be, "Unable to open incoming
// log." titled "Problem" and nothing changes. The item and the log record are then made as one
// change through the journal; a failed write shows "Not able to write to <file>" and leaves
// both as they were. "Invalid quantity" titled "Problem" refuses a quantity ApplyReceipt does
// not take. On success the current item holds the new record and true is returned.
bool RecordStockReceipt(Platform& platform, const Path& data_folder, MasterFile& inventory,
                        const StockReceipt& receipt);

}  // namespace ventro
