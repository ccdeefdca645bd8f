// The inventory file an import gives, once the Import command has read the file and asked how
// its columns map: built whole and put in place in one step, so that any failure leaves the
// data folder as it was.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "exchange/import_records.h"
#include "platform/files.h"
#include "store/master_file.h"

namespace ventro {

// Writes the items the records of `csv` (comma-separated text already found readable) give
// into the data folder's inventory.dat. Replace: the file holds only those items, and the file
// replaced stays beside it as temp2.dat. Merge: the items whose number `inventory` holds are
// skipped and the others follow the existing records. `written` gets the numbers written, in
// the order written. Fails with "No valid items" (Replace with none) or "Unable to open
// inventory.dat", both titled "Problem", and then changes nothing.
Status WriteImportedItems(Files& files, const Path& data_folder, const MasterFile& inventory,
                          std::string_view csv, const ItemColumns& columns, bool merge,
                          std::vector<int64_t>& written);

}  // namespace ventro
