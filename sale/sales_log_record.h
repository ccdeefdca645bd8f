// The three binary day-log records of a transaction: the sales log record (saleslog.dat, one
// per transaction), the items log record (itemslog.dat, one per basket line) and the year
// index record (year\base.dat after its 4-byte header). Packed little-endian records with
// typed accessors at their stored offsets; bytes no accessor names stay zero.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/bytes.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "sale/basket.h"
#include "store/journal.h"

namespace ventro {

class SalesLogRecord {
 public:
  static constexpr size_t kSize = 1050;
  static constexpr int kCustomerTextCount = 5;
  static constexpr size_t kDiscountTotalOffset = 88;
  static constexpr size_t kPaymentTypeOffset = 446;
  static constexpr size_t kPaymentTypeWidth = 40;

  SalesLogRecord() { bytes_.fill(0); }
  // The record of `basket`: its header, its 23 doubles from the non-taxable total onward and
  // its text fields, copied field by field.
  static SalesLogRecord FromBasket(const Basket& basket);

  uint8_t* data() { return bytes_.data(); }
  const uint8_t* data() const { return bytes_.data(); }

  int64_t transaction_number() const { return GetI64(At(0)); }
  void set_transaction_number(int64_t v) { PutI64(At(0), v); }
  int64_t customer_number() const { return GetI64(At(16)); }
  void set_customer_number(int64_t v) { PutI64(At(16), v); }
  int32_t clerk_number() const { return GetI32(At(24)); }
  void set_clerk_number(int32_t v) { PutI32(At(24), v); }
  int32_t line_count() const { return GetI32(At(28)); }
  void set_line_count(int32_t v) { PutI32(At(28), v); }

  // Element k (0 to 22) of the block of doubles at offset 32; the named totals below are its
  // elements.
  double amount(int k) const { return GetF64(At(32 + 8 * static_cast<size_t>(k))); }
  void set_amount(int k, double v) { PutF64(At(32 + 8 * static_cast<size_t>(k)), v); }
  double non_taxable_total() const { return GetF64(At(32)); }
  double taxable_total() const { return GetF64(At(40)); }
  double net_total() const { return GetF64(At(48)); }
  double tax1_total() const { return GetF64(At(56)); }
  double tax2_total() const { return GetF64(At(64)); }
  double cost_total() const { return GetF64(At(72)); }
  double grand_total() const { return GetF64(At(80)); }
  double discount_total() const { return GetF64(At(kDiscountTotalOffset)); }
  double cash_back() const { return GetF64(At(136)); }
  double cash_amount() const { return GetF64(At(144)); }
  double eft_amount() const { return GetF64(At(152)); }
  double cheque_amount() const { return GetF64(At(168)); }
  double balance_before() const { return GetF64(At(192)); }
  double balance_after() const { return GetF64(At(200)); }

  std::string sale_time() const { return GetText(At(216), 20); }
  void set_sale_time(std::string_view v) { PutText(At(216), 20, v); }
  std::string sale_date() const { return GetText(At(236), 20); }
  void set_sale_date(std::string_view v) { PutText(At(236), 20, v); }
  std::string customer_name() const { return GetText(At(256), 40); }
  void set_customer_name(std::string_view v) { PutText(At(256), 40, v); }
  // Customer text k, 0 to 4: road, area, town, post code, telephone.
  std::string customer_text(int k) const { return GetText(At(CustomerTextOffset(k)), 30); }
  void set_customer_text(int k, std::string_view v) { PutText(At(CustomerTextOffset(k)), 30, v); }
  std::string payment_type() const { return GetText(At(kPaymentTypeOffset), kPaymentTypeWidth); }
  void set_payment_type(std::string_view v) {
    PutText(At(kPaymentTypeOffset), kPaymentTypeWidth, v);
  }
  std::string note() const { return GetText(At(970), 80); }
  void set_note(std::string_view v) { PutText(At(970), 80, v); }

 private:
  static size_t CustomerTextOffset(int k) { return 296 + 30 * static_cast<size_t>(k); }
  uint8_t* At(size_t offset) { return bytes_.data() + offset; }
  const uint8_t* At(size_t offset) const { return bytes_.data() + offset; }

  std::array<uint8_t, kSize> bytes_;
};

class ItemsLogRecord {
 public:
  static constexpr size_t kSize = 132;
  // The category of a line that is not an inventory item (item number 0).
  static constexpr int64_t kNonInventoryCategory = 18;
  // Where fields lie, for lists read straight from a log's bytes. The transaction number leads
  // the record; the five amounts from the non-taxable one to the cost follow one another.
  static constexpr size_t kItemNumberOffset = 24;
  static constexpr size_t kDescriptionOffset = 32;
  static constexpr size_t kDescriptionWidth = 40;
  static constexpr size_t kNonTaxableOffset = 72;
  static constexpr size_t kLineTotalOffset = 120;
  static constexpr size_t kClerkOffset = 128;

  ItemsLogRecord() { bytes_.fill(0); }
  // Line `line` of `basket`, with the item's category; the customer and clerk come from the
  // basket's header.
  static ItemsLogRecord FromBasketLine(const Basket& basket, int line, int64_t category);

  uint8_t* data() { return bytes_.data(); }
  const uint8_t* data() const { return bytes_.data(); }

  int64_t transaction_number() const { return GetI64(At(0)); }
  void set_transaction_number(int64_t v) { PutI64(At(0), v); }
  int64_t category() const { return GetI64(At(8)); }
  void set_category(int64_t v) { PutI64(At(8), v); }
  int64_t customer_number() const { return GetI64(At(16)); }
  void set_customer_number(int64_t v) { PutI64(At(16), v); }
  int64_t item_number() const { return GetI64(At(kItemNumberOffset)); }
  void set_item_number(int64_t v) { PutI64(At(kItemNumberOffset), v); }
  std::string description() const { return GetText(At(kDescriptionOffset), kDescriptionWidth); }
  void set_description(std::string_view v) {
    PutText(At(kDescriptionOffset), kDescriptionWidth, v);
  }
  double non_taxable_amount() const { return GetF64(At(kNonTaxableOffset)); }
  void set_non_taxable_amount(double v) { PutF64(At(kNonTaxableOffset), v); }
  double taxable_amount() const { return GetF64(At(80)); }
  void set_taxable_amount(double v) { PutF64(At(80), v); }
  double tax1() const { return GetF64(At(88)); }
  void set_tax1(double v) { PutF64(At(88), v); }
  double tax2() const { return GetF64(At(96)); }
  void set_tax2(double v) { PutF64(At(96), v); }
  double cost() const { return GetF64(At(104)); }
  void set_cost(double v) { PutF64(At(104), v); }
  double discount() const { return GetF64(At(112)); }
  void set_discount(double v) { PutF64(At(112), v); }
  double line_total() const { return GetF64(At(kLineTotalOffset)); }
  void set_line_total(double v) { PutF64(At(kLineTotalOffset), v); }
  int32_t clerk_number() const { return GetI32(At(kClerkOffset)); }
  void set_clerk_number(int32_t v) { PutI32(At(kClerkOffset), v); }

 private:
  uint8_t* At(size_t offset) { return bytes_.data() + offset; }
  const uint8_t* At(size_t offset) const { return bytes_.data() + offset; }

  std::array<uint8_t, kSize> bytes_;
};

// One transaction in the year's index: its number (low 32 bits), day and month.
class YearIndexRecord {
 public:
  static constexpr size_t kSize = 12;
  // The file starts with the 32-bit value 0.
  static constexpr size_t kHeaderSize = 4;

  YearIndexRecord() { bytes_.fill(0); }
  YearIndexRecord(int64_t transaction_number, int32_t day, int32_t month);

  uint8_t* data() { return bytes_.data(); }
  const uint8_t* data() const { return bytes_.data(); }

  int32_t transaction_number() const { return GetI32(bytes_.data()); }
  int32_t day() const { return GetI32(bytes_.data() + 4); }
  int32_t month() const { return GetI32(bytes_.data() + 8); }

 private:
  std::array<uint8_t, kSize> bytes_;
};

// Appends `length` bytes of whole records of `record_size` bytes each to a log of fixed-size
// records that follow a header of `header_size` bytes, in one write. A trailing partial record
// (left by an interrupted append) is cut off first, so that these and every later record start
// on a record boundary; a file shorter than its header gets a zero header. False when the file
// could not be cut or written.
bool AppendLogRecords(File& file, const void* records, size_t length, size_t record_size,
                      size_t header_size = 0);

// The size `file_size` is cut to before an append: the header and the whole records.
uint64_t WholeRecordsSize(uint64_t file_size, size_t record_size, size_t header_size = 0);

// Adds to `change` the append of `records` (whole records of `record_size` bytes) to the log
// `path`: after the whole records it holds (a partial trailing record is cut), or from the start
// with a fresh zero header of `header_size` bytes when the file is shorter than its header.
void AppendLogRecordsToChange(Files& files, FileChange& change, const Path& path,
                              size_t record_size, size_t header_size, std::string_view records);

// Adds to `change` a transaction's year index entry and its sales log record, in the year and
// day folders of `day` under `data_folder`.
void AppendTransactionToChange(Files& files, FileChange& change, const Path& data_folder,
                               const LocalTime& day, const YearIndexRecord& year_record,
                               const SalesLogRecord& sales_record);

}  // namespace ventro
