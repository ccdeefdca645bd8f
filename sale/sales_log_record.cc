#include "sale/sales_log_record.h"

#include <memory>
#include <vector>

#include "store/day_log.h"

namespace ventro {
namespace {

// Copies a basket text field whole: the bytes after its terminator are stored as they are.
template <size_t N>
void PutField(uint8_t* p, const FixedText<N>& field) {
  for (size_t i = 0; i < N; ++i) p[i] = static_cast<uint8_t>(field[i]);
}

}  // namespace

SalesLogRecord SalesLogRecord::FromBasket(const Basket& basket) {
  SalesLogRecord record;
  record.set_transaction_number(basket.transaction_number);
  PutI64(record.At(8), basket.reserved_header);
  record.set_customer_number(basket.customer_number);
  record.set_clerk_number(basket.clerk_number);
  record.set_line_count(basket.line_count);

  const BasketTotals& t = basket.totals;
  const double amounts[23] = {t.non_taxable_total,
                              t.taxable_total,
                              t.net_total,
                              t.tax1_total,
                              t.tax2_total,
                              t.cost_total,
                              t.grand_total,
                              t.discount_total,
                              t.reserved_totals[0],
                              t.reserved_totals[1],
                              t.reserved_totals[2],
                              t.reserved_totals[3],
                              t.reserved_totals[4],
                              t.cash_back,
                              t.cash_amount,
                              t.eft_amount,
                              t.reserved_loaded,
                              t.cheque_amount,
                              t.reserved_payments[0],
                              t.reserved_payments[1],
                              t.balance_before,
                              t.balance_after,
                              t.reserved_last};
  for (int k = 0; k < 23; ++k) record.set_amount(k, amounts[k]);

  const BasketTexts& s = basket.texts;
  PutField(record.At(216), s.sale_time);
  PutField(record.At(236), s.sale_date);
  PutField(record.At(256), s.customer_name);
  for (int k = 0; k < kCustomerTextCount; ++k) {
    PutField(record.At(CustomerTextOffset(k)), s.customer_text[static_cast<size_t>(k)]);
  }
  PutField(record.At(446), s.payment_type);
  PutField(record.At(486), s.reserved_text1);
  PutField(record.At(526), s.reserved_text2);
  PutField(record.At(566), s.reserved_text3);
  PutField(record.At(606), s.reserved_text4);
  PutField(record.At(646), s.reserved_text5);
  PutField(record.At(686), s.reserved_text6);
  PutField(record.At(706), s.reserved_text7);
  PutField(record.At(746), s.reserved_text8);
  PutField(record.At(786), s.reserved_text9);
  PutField(record.At(866), s.reserved_text10);
  PutField(record.At(906), s.reserved_text11);
  PutI64(record.At(946), s.reserved_number);
  PutF64(record.At(954), s.reserved_double1);
  PutF64(record.At(962), s.reserved_double2);
  PutField(record.At(970), s.note);
  return record;
}

ItemsLogRecord ItemsLogRecord::FromBasketLine(const Basket& basket, int line, int64_t category) {
  const auto i = static_cast<size_t>(line);
  ItemsLogRecord record;
  record.set_transaction_number(basket.transaction_number);
  record.set_category(category);
  record.set_customer_number(basket.customer_number);
  record.set_item_number(basket.item_number[i]);
  PutField(record.At(32), basket.description[i]);
  record.set_non_taxable_amount(basket.non_taxable_amount[i]);
  record.set_taxable_amount(basket.taxable_amount[i]);
  record.set_tax1(basket.tax1[i]);
  record.set_tax2(basket.tax2[i]);
  record.set_cost(basket.cost[i]);
  record.set_discount(basket.discount[i]);
  record.set_line_total(basket.line_total[i]);
  record.set_clerk_number(basket.clerk_number);
  return record;
}

YearIndexRecord::YearIndexRecord(int64_t transaction_number, int32_t day, int32_t month) {
  PutI32(bytes_.data(), static_cast<int32_t>(transaction_number));
  PutI32(bytes_.data() + 4, day);
  PutI32(bytes_.data() + 8, month);
}

uint64_t WholeRecordsSize(uint64_t file_size, size_t record_size, size_t header_size) {
  if (file_size <= header_size) return header_size;
  return header_size + (file_size - header_size) / record_size * record_size;
}

bool AppendLogRecords(File& file, const void* records, size_t length, size_t record_size,
                      size_t header_size) {
  std::optional<uint64_t> size = file.Size();
  if (!size) return false;
  if (*size < header_size) {
    std::vector<uint8_t> header(header_size, 0);
    if (!file.Truncate(0) || !file.Append(header.data(), header.size())) return false;
  } else {
    uint64_t whole = WholeRecordsSize(*size, record_size, header_size);
    if (whole != *size && !file.Truncate(whole)) return false;
  }
  return file.Append(records, length);
}

void AppendLogRecordsToChange(Files& files, FileChange& change, const Path& path,
                              size_t record_size, size_t header_size, std::string_view records) {
  uint64_t size = 0;
  if (std::unique_ptr<File> file = files.Open(path, OpenMode::kRead)) {
    size = file->Size().value_or(0);
  }
  if (size < header_size) {
    change.Append(path, 0, std::string(header_size, '\0') + std::string(records));
  } else {
    change.Append(path, WholeRecordsSize(size, record_size, header_size), records);
  }
}

void AppendTransactionToChange(Files& files, FileChange& change, const Path& data_folder,
                               const LocalTime& day, const YearIndexRecord& year_record,
                               const SalesLogRecord& sales_record) {
  AppendLogRecordsToChange(
      files, change, YearFolder(data_folder, day) / "base.dat", YearIndexRecord::kSize,
      YearIndexRecord::kHeaderSize,
      {reinterpret_cast<const char*>(year_record.data()), YearIndexRecord::kSize});
  AppendLogRecordsToChange(
      files, change, DayFolder(data_folder, day) / "saleslog.dat", SalesLogRecord::kSize, 0,
      {reinterpret_cast<const char*>(sales_record.data()), SalesLogRecord::kSize});
}

}  // namespace ventro
