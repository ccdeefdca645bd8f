#include "reports/day_totals.h"

#include <cstring>
#include <optional>
#include <string>
#include <unordered_map>

#include "sale/sales_log_record.h"
#include "store/day_log_reader.h"

namespace ventro {
namespace {

// The number of item lines of each transaction number in the items log.
std::unordered_map<int64_t, int> LinesByTransaction(std::string_view items_log) {
  std::unordered_map<int64_t, int> lines;
  const size_t count = items_log.size() / ItemsLogRecord::kSize;
  lines.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    // The transaction number is the record's first field.
    const auto* record =
        reinterpret_cast<const uint8_t*>(items_log.data()) + i * ItemsLogRecord::kSize;
    ++lines[GetI64(record)];
  }
  return lines;
}

void AddCommonSums(DayTotals& totals, const SalesLogRecord& record) {
  totals.non_taxable_sales += record.non_taxable_total();
  totals.taxable_sales += record.taxable_total();
  totals.cost_of_sales += record.cost_total();
  totals.tax1 += record.tax1_total();
  totals.tax2 += record.tax2_total();
  totals.total += record.grand_total();
}

void AddSale(DayTotals& totals, const SalesLogRecord& record) {
  AddCommonSums(totals, record);
  totals.cash_sales += record.cash_amount();
  totals.cheque_sales += record.cheque_amount();
  totals.eft_sales += record.eft_amount();
  if (record.payment_type() == "Credit") totals.credit_sales += record.grand_total();
  totals.discounts += record.discount_total();
  if (record.cash_back() > 0) totals.cash_back += record.cash_back();
}

void AddRefund(DayTotals& totals, const SalesLogRecord& record) {
  AddCommonSums(totals, record);
  totals.cash_refunds += record.cash_amount();
  totals.cheque_refunds += record.cheque_amount();
  totals.eft_refunds += record.eft_amount();
  if (record.cash_amount() == 0 && record.cheque_amount() == 0 && record.eft_amount() == 0) {
    totals.credit_refunds += record.grand_total();
  }
}

void AddBalancePayment(DayTotals& totals, const SalesLogRecord& record) {
  totals.balance_cash += record.cash_amount();
  totals.balance_cheque += record.cheque_amount();
  totals.balance_eft += record.eft_amount();
}

// The lines of transaction `number`, taken out of `lines` so that a second record with the
// same number counts none.
int TakeLines(std::unordered_map<int64_t, int>& lines, int64_t number) {
  auto found = lines.find(number);
  if (found == lines.end()) return 0;
  const int count = found->second;
  lines.erase(found);
  return count;
}

}  // namespace

DayTotals AddUpDay(std::string_view sales_log, std::string_view items_log) {
  DayTotals totals;
  std::unordered_map<int64_t, int> lines = LinesByTransaction(items_log);
  SalesLogRecord record;
  const size_t count = sales_log.size() / SalesLogRecord::kSize;
  for (size_t i = 0; i < count; ++i) {
    std::memcpy(record.data(), sales_log.data() + i * SalesLogRecord::kSize, SalesLogRecord::kSize);
    const std::string type = record.payment_type();
    const char kind = type.empty() ? '\0' : type[0];
    if (kind == 'P') {
      AddBalancePayment(totals, record);
    } else if (kind == 'R') {
      AddRefund(totals, record);
      totals.items_refunded += TakeLines(lines, record.transaction_number());
    } else {
      AddSale(totals, record);
      totals.items_sold += TakeLines(lines, record.transaction_number());
    }
  }
  return totals;
}

DayTotals ComputeDayTotals(Files& files, const Path& data_folder, const Date& day) {
  const Path folder = DayLogFolder(data_folder, day.year, day.month, day.day);
  std::optional<std::string> sales =
      ReadLogRecords(files, folder / "saleslog.dat", SalesLogRecord::kSize);
  if (!sales) return DayTotals{};
  std::optional<std::string> items =
      ReadLogRecords(files, folder / "itemslog.dat", ItemsLogRecord::kSize);
  return AddUpDay(*sales, items ? std::string_view(*items) : std::string_view());
}

}  // namespace ventro
