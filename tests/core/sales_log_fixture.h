// Day logs written straight into a temporary data folder, for the reports that read them: a
// transaction is its sales record and its item lines, stored as a commit stores them (a
// refund's totals negated, its item lines positive).
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "formats/settings_record.h"
#include "sale/sales_log_record.h"
#include "store/day_log_reader.h"

namespace ventro::test {

struct LoggedLine {
  int64_t item = 0;
  double taxable = 0;
  double tax1 = 0;
  int64_t category = 0;
  std::string description = "ITEM";
  double cost = 0;
  double discount = 0;
  double non_taxable = 0;
};

struct LoggedTransaction {
  int64_t number = 0;
  std::string type = "Cash";
  int clerk = 1;
  std::vector<LoggedLine> lines;
};

inline void AppendBytes(const Path& file, const void* bytes, size_t size) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::app);
  out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
}

// Appends `t` to the logs of `day`; its sales totals are the sums of its lines, negated for a
// refund ("R..."), and a balance payment ("P...") has no lines.
inline void LogTransaction(const Path& data_folder, const Date& day, const LoggedTransaction& t) {
  const Path folder = DayLogFolder(data_folder, day.year, day.month, day.day);
  const double sign = t.type.starts_with("R") ? -1 : 1;
  SalesLogRecord sales;
  sales.set_transaction_number(t.number);
  sales.set_clerk_number(t.clerk);
  sales.set_payment_type(t.type);
  sales.set_line_count(static_cast<int32_t>(t.lines.size()));
  double non_taxable = 0, taxable = 0, tax1 = 0;
  for (const LoggedLine& line : t.lines) {
    non_taxable += line.non_taxable;
    taxable += line.taxable;
    tax1 += line.tax1;
    ItemsLogRecord record;
    record.set_transaction_number(t.number);
    record.set_item_number(line.item);
    record.set_category(line.category);
    record.set_description(line.description);
    record.set_non_taxable_amount(line.non_taxable);
    record.set_taxable_amount(line.taxable);
    record.set_tax1(line.tax1);
    record.set_cost(line.cost);
    record.set_discount(line.discount);
    record.set_line_total(line.non_taxable + line.taxable + line.tax1);
    record.set_clerk_number(t.clerk);
    AppendBytes(folder / "itemslog.dat", record.data(), ItemsLogRecord::kSize);
  }
  sales.set_amount(0, sign * non_taxable);
  sales.set_amount(1, sign * taxable);
  sales.set_amount(3, sign * tax1);
  sales.set_amount(6, sign * (non_taxable + taxable + tax1));
  AppendBytes(folder / "saleslog.dat", sales.data(), SalesLogRecord::kSize);
}

// A balance payment of `amount` on account: a sales record without lines.
inline void LogBalancePayment(const Path& data_folder, const Date& day, int64_t number,
                              double amount) {
  SalesLogRecord sales;
  sales.set_transaction_number(number);
  sales.set_payment_type("Payment");
  sales.set_amount(6, amount);
  sales.set_amount(14, amount);
  AppendBytes(DayLogFolder(data_folder, day.year, day.month, day.day) / "saleslog.dat",
              sales.data(), SalesLogRecord::kSize);
}

}  // namespace ventro::test
