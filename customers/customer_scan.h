// Reading the live customers of customer.dat in file order, a block of records at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "base/status.h"
#include "formats/customer_record.h"
#include "platform/files.h"
#include "store/master_file.h"

namespace ventro {

// Calls `visit` with the slot and record of each live customer in file order until it returns
// false. Fails with "Data file: customer.dat, not present." titled "Fatal error" for a missing
// file; the records visited before a failure stand.
Status ScanCustomers(Files& files, const MasterFile& customers,
                     const std::function<bool(int64_t position, const CustomerRecord&)>& visit);

// The slots of the live customers numbered `first` to `last` that `keep` accepts, in number
// order: customer.dat is read once in blocks, in file order, and the slots kept are then put in
// the order of their numbers. Nothing when the file cannot be opened.
std::optional<std::vector<int64_t>> CustomersInNumberOrder(
    Files& files, const MasterFile& customers, int64_t first, int64_t last,
    const std::function<bool(const CustomerRecord&)>& keep);

}  // namespace ventro
