// Reading every live customer of customer.dat in file order, a block of records at a time.
#pragma once

#include <cstdint>
#include <functional>

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

}  // namespace ventro
