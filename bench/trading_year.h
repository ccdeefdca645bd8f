// A generated year of day logs in a temporary folder, made once per run: 1,000 transactions a
// day (refunds, balance payments, ten clerks) of one to five lines over 5,000 items, about
// 1.1 million item lines and 530 MB, with the year's index.
#pragma once

#include <fstream>
#include <random>
#include <string>

#include "formats/settings_record.h"
#include "records/period_dialog.h"
#include "sale/sales_log_record.h"
#include "store/day_log_reader.h"
#include "tests/core/test_platform.h"

namespace ventro::bench {

inline constexpr int kTransactionsPerDay = 1000;
inline constexpr int kItems = 5000;
inline constexpr Date kFirstDay{1, 1, 2025};
inline constexpr Date kLastDay{31, 12, 2025};

class TradingYear {
 public:
  TradingYear() {
    std::mt19937 random(2025);
    int64_t number = 0;
    std::string year_index(YearIndexRecord::kHeaderSize, '\0');
    for (Date day = kFirstDay; !DateBefore(kLastDay, day); day = NextDay(day)) {
      std::string sales;
      std::string items;
      for (int t = 0; t < kTransactionsPerDay; ++t) {
        AddTransaction(random, ++number, sales, items);
        const YearIndexRecord entry(number, day.day, day.month);
        year_index.append(reinterpret_cast<const char*>(entry.data()), YearIndexRecord::kSize);
      }
      const Path folder = DayLogFolder(dir_.path(), day.year, day.month, day.day);
      std::filesystem::create_directories(folder);
      std::ofstream(folder / "saleslog.dat", std::ios::binary) << sales;
      std::ofstream(folder / "itemslog.dat", std::ios::binary) << items;
    }
    std::ofstream(YearIndexPath(dir_.path(), kFirstDay.year), std::ios::binary) << year_index;
  }
  const Path& data_folder() const { return dir_.path(); }

 private:
  static void AddTransaction(std::mt19937& random, int64_t number, std::string& sales,
                             std::string& items) {
    const int kind = static_cast<int>(random() % 40);
    SalesLogRecord sale;
    sale.set_transaction_number(number);
    sale.set_clerk_number(1 + static_cast<int32_t>(random() % 10));
    sale.set_payment_type(kind == 0   ? "Payment"
                          : kind == 1 ? "Refund"
                          : kind < 20 ? "Cash"
                                      : "EFT");
    const double sign = kind == 1 ? -1 : 1;
    const int lines = kind == 0 ? 0 : 1 + static_cast<int>(random() % 5);
    double taxable = 0, tax = 0;
    for (int k = 0; k < lines; ++k) {
      ItemsLogRecord line;
      line.set_transaction_number(number);
      const int64_t item = 1 + static_cast<int64_t>(random() % kItems);
      line.set_item_number(item);
      line.set_category(item % 18);
      line.set_description("ITEM " + std::to_string(item));
      const double price = 0.25 * static_cast<double>(1 + random() % 200);
      line.set_taxable_amount(price);
      line.set_tax1(price / 10);
      line.set_cost(price / 2);
      line.set_line_total(price * 1.1);
      taxable += price;
      tax += price / 10;
      items.append(reinterpret_cast<const char*>(line.data()), ItemsLogRecord::kSize);
    }
    sale.set_line_count(lines);
    sale.set_amount(1, sign * taxable);
    sale.set_amount(3, sign * tax);
    sale.set_amount(6, kind == 0 ? 25.0 : sign * (taxable + tax));
    sales.append(reinterpret_cast<const char*>(sale.data()), SalesLogRecord::kSize);
  }

  test::TempDir dir_;
};

inline TradingYear& Year() {
  static TradingYear year;
  return year;
}

}  // namespace ventro::bench
