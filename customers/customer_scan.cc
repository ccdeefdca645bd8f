#include "customers/customer_scan.h"

#include <cstring>
#include <memory>
#include <vector>

namespace ventro {
namespace {

constexpr size_t kBlockRecords = 256;

}  // namespace

Status ScanCustomers(Files& files, const MasterFile& customers,
                     const std::function<bool(int64_t position, const CustomerRecord&)>& visit) {
  std::unique_ptr<File> file = files.Open(customers.path(), OpenMode::kRead);
  if (!file) return Status::Failed("Fatal error", "Data file: customer.dat, not present.");
  std::vector<uint8_t> block(kBlockRecords * CustomerRecord::kSize);
  CustomerRecord record;
  int64_t position = 0;
  for (uint64_t offset = 0;; offset += block.size()) {
    const size_t got = file->ReadAt(offset, block.data(), block.size());
    const size_t whole = got / CustomerRecord::kSize;
    for (size_t k = 0; k < whole; ++k, ++position) {
      std::memcpy(record.data(), block.data() + k * CustomerRecord::kSize, CustomerRecord::kSize);
      if (record.IsDeleted()) continue;
      if (!visit(position, record)) return Status::Ok();
    }
    if (got < block.size()) return Status::Ok();
  }
}

}  // namespace ventro
