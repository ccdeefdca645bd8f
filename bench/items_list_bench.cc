// The head office's daily items list for a busy day, 2,000 sales with 10,000 item lines, read
// and written in one pass over each log; BM_ReadBothDayLogs (day_totals_bench) is the plain read
// of the same logs it should stay within twice of.
#include <benchmark/benchmark.h>

#include <fstream>
#include <optional>
#include <string>

#include "reports/daily_items_list.h"
#include "sale/sales_log_record.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

constexpr int kSales = 2000;
constexpr int kLinesPerSale = 5;

class ItemsDay {
 public:
  ItemsDay() {
    std::string sales;
    std::string items;
    for (int n = 1; n <= kSales; ++n) {
      SalesLogRecord sale;
      sale.set_transaction_number(n);
      sale.set_payment_type(n % 10 == 0 ? "Refund" : "Cash");
      sales.append(reinterpret_cast<const char*>(sale.data()), SalesLogRecord::kSize);
      for (int line = 0; line < kLinesPerSale; ++line) {
        ItemsLogRecord item;
        item.set_transaction_number(n);
        item.set_item_number(1000 + line);
        item.set_description(line == 0 ? "Tea, green" : "Scone");
        item.set_line_total(2.5);
        items.append(reinterpret_cast<const char*>(item.data()), ItemsLogRecord::kSize);
      }
    }
    std::ofstream(dir_.path() / "saleslog.dat", std::ios::binary) << sales;
    std::ofstream(dir_.path() / "itemslog.dat", std::ios::binary) << items;
  }
  const Path& folder() const { return dir_.path(); }

 private:
  test::TempDir dir_;
};

ItemsDay& Day() {
  static ItemsDay day;
  return day;
}

void BM_DailyItemsList(benchmark::State& state) {
  StdFiles files;
  for (auto _ : state) {
    std::optional<std::string> text = ReadDailyItemsText(files, Day().folder(), "Tea & Cakes");
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_DailyItemsList)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ventro
