// The takings graph's figures over a generated year at 1,000 transactions a day, beside one
// plain read of every day's sales log, the cost it should stay within twice of.
#include <benchmark/benchmark.h>

#include "bench/trading_year.h"
#include "reports/takings_history.h"

namespace ventro::bench {
namespace {

void BM_ReadYearSalesLogsOnce(benchmark::State& state) {
  StdFiles files;
  Year();  // generated before the clock starts
  for (auto _ : state) {
    for (Date day = kFirstDay; !DateBefore(kLastDay, day); day = NextDay(day)) {
      const Path folder = DayLogFolder(Year().data_folder(), day.year, day.month, day.day);
      benchmark::DoNotOptimize(files.ReadAll(folder / "saleslog.dat"));
    }
  }
}
BENCHMARK(BM_ReadYearSalesLogsOnce)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TakingsGraphYear(benchmark::State& state) {
  StdFiles files;
  Year();  // generated before the clock starts
  for (auto _ : state) {
    TakingsHistory history = BuildTakingsHistory(files, Year().data_folder(), kLastDay);
    benchmark::DoNotOptimize(history);
  }
}
BENCHMARK(BM_TakingsGraphYear)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace ventro::bench
