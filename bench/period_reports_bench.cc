// The sales report, the sales of one item and the period item summary over a generated year,
// each set beside one plain read of the files it reads, the cost they should stay within twice
// of.
#include <benchmark/benchmark.h>

#include "bench/trading_year.h"
#include "reports/item_summary.h"
#include "reports/sales_report.h"

namespace ventro::bench {
namespace {

// Reads every day's sales log, and with `items` its items log too.
void ReadYear(bool items) {
  StdFiles files;
  for (Date day = kFirstDay; !DateBefore(kLastDay, day); day = NextDay(day)) {
    const Path folder = DayLogFolder(Year().data_folder(), day.year, day.month, day.day);
    benchmark::DoNotOptimize(files.ReadAll(folder / "saleslog.dat"));
    if (items) benchmark::DoNotOptimize(files.ReadAll(folder / "itemslog.dat"));
  }
}

void BM_ReadYearSalesLogs(benchmark::State& state) {
  Year();  // generated before the clock starts
  for (auto _ : state) ReadYear(false);
}
BENCHMARK(BM_ReadYearSalesLogs)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReadYearBothLogs(benchmark::State& state) {
  Year();  // generated before the clock starts
  for (auto _ : state) ReadYear(true);
}
BENCHMARK(BM_ReadYearBothLogs)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SalesReportYear(benchmark::State& state) {
  StdFiles files;
  EnglishLocale locale;
  Year();  // generated before the clock starts
  for (auto _ : state) {
    SalesReport report =
        BuildSalesReport(files, locale, Year().data_folder(), {kFirstDay, kLastDay}, {});
    benchmark::DoNotOptimize(report);
  }
}
BENCHMARK(BM_SalesReportYear)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SalesByItemYear(benchmark::State& state) {
  StdFiles files;
  EnglishLocale locale;
  Year();  // generated before the clock starts
  for (auto _ : state) {
    SalesReport report =
        BuildSalesReport(files, locale, Year().data_folder(), {kFirstDay, kLastDay}, {0, 12});
    benchmark::DoNotOptimize(report);
  }
}
BENCHMARK(BM_SalesByItemYear)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ItemSummaryYear(benchmark::State& state) {
  StdFiles files;
  Year();  // generated before the clock starts
  for (auto _ : state) {
    ItemSummary summary = SummariseItems(files, Year().data_folder(), kFirstDay, kLastDay, {});
    benchmark::DoNotOptimize(summary);
  }
}
BENCHMARK(BM_ItemSummaryYear)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace ventro::bench
