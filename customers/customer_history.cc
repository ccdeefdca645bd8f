#include "customers/customer_history.h"

#include <memory>

#include "base/bytes.h"
#include "records/period_dialog.h"
#include "sale/sales_log_record.h"
#include "store/day_log.h"

namespace ventro {
namespace {

constexpr size_t kBlockRecords = 64;
constexpr size_t kCustomerOffset = 16;
constexpr size_t kGrandTotalOffset = 80;
constexpr size_t kPaymentTypeOffset = 446;
constexpr size_t kPaymentTypeWidth = 40;

void ReadDay(File& file, const Date& day, int64_t customer, std::vector<uint8_t>& block,
             std::vector<CustomerSale>& sales) {
  for (uint64_t offset = 0;; offset += block.size()) {
    const size_t got = file.ReadAt(offset, block.data(), block.size());
    for (size_t k = 0; k < got / SalesLogRecord::kSize; ++k) {
      const uint8_t* record = block.data() + k * SalesLogRecord::kSize;
      if (GetI64(record + kCustomerOffset) != customer) continue;
      sales.push_back({day, GetI64(record), GetF64(record + kGrandTotalOffset),
                       GetText(record + kPaymentTypeOffset, kPaymentTypeWidth)});
    }
    if (got < block.size()) return;
  }
}

}  // namespace

std::vector<CustomerSale> CustomerSales(Files& files, const Path& data_folder, int64_t customer,
                                        const Date& from, const Date& to) {
  std::vector<CustomerSale> sales;
  if (from.month < 1 || from.month > 12 || from.day < 1 || from.day > 31) return sales;
  std::vector<uint8_t> block(kBlockRecords * SalesLogRecord::kSize);
  for (Date day = from; !DateBefore(to, day); day = NextDay(day)) {
    const LocalTime time{day.year, day.month, day.day};
    std::unique_ptr<File> file =
        files.Open(DayFolder(data_folder, time) / "saleslog.dat", OpenMode::kRead);
    if (file) ReadDay(*file, day, customer, block, sales);
  }
  return sales;
}

}  // namespace ventro
