#include "customers/customer_scan.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>
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

std::optional<std::vector<int64_t>> CustomersInNumberOrder(
    Files& files, const MasterFile& customers, int64_t first, int64_t last,
    const std::function<bool(const CustomerRecord&)>& keep) {
  std::vector<std::pair<int64_t, int64_t>> kept;  // number, slot
  const Status status =
      ScanCustomers(files, customers, [&](int64_t position, const CustomerRecord& record) {
        const int64_t number = record.Get(cust::kNumber);
        if (number >= 1 && number >= first && number <= last && keep(record)) {
          kept.emplace_back(number, position);
        }
        return true;
      });
  if (!status.ok()) return std::nullopt;
  std::sort(kept.begin(), kept.end());
  std::vector<int64_t> slots;
  slots.reserve(kept.size());
  for (const auto& entry : kept) slots.push_back(entry.second);
  return slots;
}

}  // namespace ventro
