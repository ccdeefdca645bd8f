// The day totals of a busy day, 2,000 transactions with 10,000 item lines, set beside one
// plain read of the day's two logs, the cost they should stay within twice of.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "reports/day_totals.h"
#include "sale/sales_log_record.h"
#include "store/day_log_reader.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

constexpr int kTransactions = 2000;
constexpr int kLinesPerTransaction = 5;
constexpr Date kDay{7, 12, 2026};

class BusyDay {
 public:
  BusyDay() {
    std::filesystem::create_directories(folder());
    std::string sales;
    std::string items;
    for (int n = 1; n <= kTransactions; ++n) {
      SalesLogRecord sale;
      sale.set_transaction_number(n);
      sale.set_payment_type(n % 10 == 0 ? "Refund" : "Cash");
      sale.set_amount(6, 12.5);
      sale.set_amount(14, 12.5);
      sales.append(reinterpret_cast<const char*>(sale.data()), SalesLogRecord::kSize);
      for (int line = 0; line < kLinesPerTransaction; ++line) {
        ItemsLogRecord item;
        item.set_transaction_number(n);
        item.set_item_number(line + 1);
        items.append(reinterpret_cast<const char*>(item.data()), ItemsLogRecord::kSize);
      }
    }
    std::ofstream(folder() / "saleslog.dat", std::ios::binary) << sales;
    std::ofstream(folder() / "itemslog.dat", std::ios::binary) << items;
  }
  const Path& data_folder() const { return dir_.path(); }
  Path folder() const { return DayLogFolder(dir_.path(), kDay.year, kDay.month, kDay.day); }

 private:
  test::TempDir dir_;
};

BusyDay& Day() {
  static BusyDay day;
  return day;
}

void BM_DayTotals(benchmark::State& state) {
  StdFiles files;
  for (auto _ : state) {
    DayTotals totals = ComputeDayTotals(files, Day().data_folder(), kDay);
    benchmark::DoNotOptimize(totals);
  }
}
BENCHMARK(BM_DayTotals)->Unit(benchmark::kMicrosecond);

void BM_ReadBothDayLogs(benchmark::State& state) {
  StdFiles files;
  for (auto _ : state) {
    auto sales = files.ReadAll(Day().folder() / "saleslog.dat");
    auto items = files.ReadAll(Day().folder() / "itemslog.dat");
    benchmark::DoNotOptimize(sales);
    benchmark::DoNotOptimize(items);
  }
}
BENCHMARK(BM_ReadBothDayLogs)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ventro
