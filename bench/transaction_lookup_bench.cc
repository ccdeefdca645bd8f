// Finding past transactions in a year of 1,000 sales a day: "Find transaction" and 100 "Next"
// through the "Transaction" dialog, and a discounted "Next" past 10,000 sales without a
// discount. Each is set beside a plain read of the files it needs (the year index and the
// days' logs), the cost it should stay within twice of.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "base/bytes.h"
#include "base/format.h"
#include "print/printing_context.h"
#include "sale/sales_log_record.h"
#include "sale/transaction_lookup.h"
#include "sale/transaction_lookup_dialog.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

constexpr int kYear = 2026;
constexpr int kPerDay = 1000;
constexpr int kLinesPerSale = 3;
constexpr int kDaysInYear = 365;
// The transaction found, 50 before the end of its day, so that "Next" crosses into the next.
constexpr int kFindDay = 180;
constexpr int64_t kFound = int64_t{kFindDay} * kPerDay - 50;
// The discounted sale the discounted "Next" starts from; the next discounted one comes 10,000
// undiscounted sales later.
constexpr int kDiscountDay = 200;
constexpr int64_t kDiscountedFrom = int64_t{kDiscountDay - 1} * kPerDay + 1;
constexpr int64_t kDiscountedTo = kDiscountedFrom + 10'001;

struct YearDay {
  int month;
  int day;
};

// Day `n` of the year (1 for 1 January) as month and day.
YearDay DayOfYear(int n) {
  static constexpr int kLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int month = 1;
  while (n > kLength[month - 1]) n -= kLength[month++ - 1];
  return {month, n};
}

Path DayPath(const Path& folder, int n) {
  const YearDay d = DayOfYear(n);
  return folder / std::to_string(kYear) / std::to_string(d.month) / std::to_string(d.day);
}

void WriteFile(const Path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The year's index: every transaction of every day.
void WriteYearIndex(const Path& folder) {
  std::string bytes(4, '\0');
  bytes.reserve(4 + size_t{kDaysInYear} * kPerDay * YearIndexRecord::kSize);
  int64_t number = 1;
  for (int n = 1; n <= kDaysInYear; ++n) {
    const YearDay d = DayOfYear(n);
    for (int k = 0; k < kPerDay; ++k, ++number) {
      YearIndexRecord record(number, d.day, d.month);
      bytes.append(reinterpret_cast<const char*>(record.data()), YearIndexRecord::kSize);
    }
  }
  WriteFile(folder / std::to_string(kYear) / "base.dat", bytes);
}

// Day `n`'s sales and items logs; the transactions in `discounted` carry a discount.
void WriteDayLogs(const Path& folder, int n, const std::vector<int64_t>& discounted = {}) {
  std::string sales;
  std::string items;
  const int64_t first = int64_t{n - 1} * kPerDay + 1;
  for (int64_t number = first; number < first + kPerDay; ++number) {
    Basket basket;
    basket.transaction_number = number;
    basket.line_count = kLinesPerSale;
    basket.clerk_number = 1;
    basket.totals.grand_total = 3 * 2.40;
    for (int64_t d : discounted) {
      if (d == number) basket.totals.discount_total = 0.50;
    }
    SetText(basket.texts.payment_type, "Cash");
    for (int line = 0; line < kLinesPerSale; ++line) {
      basket.item_number[static_cast<size_t>(line)] = 100 + line;
      SetText(basket.description[static_cast<size_t>(line)], "ITEM");
      basket.line_total[static_cast<size_t>(line)] = 2.40;
      ItemsLogRecord item = ItemsLogRecord::FromBasketLine(basket, line, 3);
      items.append(reinterpret_cast<const char*>(item.data()), ItemsLogRecord::kSize);
    }
    SalesLogRecord record = SalesLogRecord::FromBasket(basket);
    sales.append(reinterpret_cast<const char*>(record.data()), SalesLogRecord::kSize);
  }
  WriteFile(DayPath(folder, n) / "saleslog.dat", sales);
  WriteFile(DayPath(folder, n) / "itemslog.dat", items);
}

// The data folder, written once for every benchmark and removed at exit.
class Year {
 public:
  Year() {
    p.clock.Set(kYear, 12, 31, 18, 0);
    settings.ApplyFirstRunDefaults(p.clock.now);
    settings.Set(cfg::kHistoryFrom, Date{1, 1, kYear});
    settings.Set(cfg::kReceiptPrinterName, "Receipt");
    WriteYearIndex(dir.path());
    WriteDayLogs(dir.path(), kFindDay);
    WriteDayLogs(dir.path(), kFindDay + 1);
    for (int n = kDiscountDay; n <= kDiscountDay + 10; ++n) {
      WriteDayLogs(dir.path(), n, {kDiscountedFrom, kDiscountedTo});
    }
  }
  PrintingContext printing() { return {p.platform, settings, labels, dir.path()}; }
  const Path& folder() const { return dir.path(); }

  test::TempDir dir;
  test::TestPlatform p;
  SettingsRecord settings;
  LabelTable labels;
};

Year& TheYear() {
  static Year year;
  return year;
}

std::string ReadAll(const Path& path) {
  StdFiles files;
  return files.ReadAll(path).value_or("");
}

// The reference: the year index and the two days' logs read whole, once.
void BM_ReadIndexAndTwoDays(benchmark::State& state) {
  Year& year = TheYear();
  for (auto _ : state) {
    size_t bytes = ReadAll(year.folder() / std::to_string(kYear) / "base.dat").size();
    for (int n : {kFindDay, kFindDay + 1}) {
      bytes += ReadAll(DayPath(year.folder(), n) / "saleslog.dat").size();
      bytes += ReadAll(DayPath(year.folder(), n) / "itemslog.dat").size();
    }
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_ReadIndexAndTwoDays)->Unit(benchmark::kMillisecond);

// "Find transaction", the number typed, then 100 "Next" in the dialog.
void BM_FindAndHundredNext(benchmark::State& state) {
  Year& year = TheYear();
  test::FakeUi& ui = year.p.ui;
  std::string last;
  for (auto _ : state) {
    ui.edit_answers.push_back(std::to_string(kFound));
    ui.dialog_answers.push_back([&](Dialog& dialog) {
      for (int k = 0; k < 100; ++k) dialog.on_change(dialog, "Next");
      last = dialog.Field("transaction").text;
      return true;
    });
    FindTransaction(year.printing(), TransactionLookup::kFind);
  }
  if (last != std::to_string(kFound + 100)) state.SkipWithError("did not step 100 times");
  if (!ui.messages.empty()) state.SkipWithError("a message was shown");
}
BENCHMARK(BM_FindAndHundredNext)->Unit(benchmark::kMillisecond);

// The parts of the above, to see where the time goes: the indexes read when the search opens,
// and the 100 "Next" alone on a dialog already open.
void BM_OpenSearch(benchmark::State& state) {
  Year& year = TheYear();
  for (auto _ : state) {
    TransactionSearch search(year.p.files, year.folder(), kYear, kYear);
    benchmark::DoNotOptimize(search.FindDay(kFound));
  }
}
BENCHMARK(BM_OpenSearch)->Unit(benchmark::kMillisecond);

void BM_HundredNextOnly(benchmark::State& state) {
  Year& year = TheYear();
  test::FakeUi& ui = year.p.ui;
  std::string last;
  for (auto _ : state) {
    TransactionSearch search(year.p.files, year.folder(), kYear, kYear);
    SearchOutcome outcome = search.Find(kFound);
    ui.dialog_answers.push_back([&](Dialog& dialog) {
      const auto start = std::chrono::steady_clock::now();
      for (int k = 0; k < 100; ++k) dialog.on_change(dialog, "Next");
      const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
      state.SetIterationTime(elapsed.count());
      last = dialog.Field("transaction").text;
      return true;
    });
    RunTransactionDialog(year.printing(), search, outcome.found, NextMode::kEvery);
  }
  if (last != std::to_string(kFound + 100)) state.SkipWithError("did not step 100 times");
}
BENCHMARK(BM_HundredNextOnly)->UseManualTime()->Unit(benchmark::kMillisecond);

// The reference: the sales logs of the eleven days the discounted step passes through.
void BM_ReadElevenSalesLogs(benchmark::State& state) {
  Year& year = TheYear();
  for (auto _ : state) {
    size_t bytes = 0;
    for (int n = kDiscountDay; n <= kDiscountDay + 10; ++n) {
      bytes += ReadAll(DayPath(year.folder(), n) / "saleslog.dat").size();
    }
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_ReadElevenSalesLogs)->Unit(benchmark::kMillisecond);

// One discounted "Next" past 10,000 undiscounted sales; only the step is timed, on indexes
// already read when the dialog opened.
void BM_DiscountedNextPastTenThousand(benchmark::State& state) {
  Year& year = TheYear();
  test::FakeUi& ui = year.p.ui;
  std::string reached;
  for (auto _ : state) {
    TransactionSearch search(year.p.files, year.folder(), kYear, kYear);
    SearchOutcome outcome = search.Find(kDiscountedFrom);
    ui.dialog_answers.push_back([&](Dialog& dialog) {
      const auto start = std::chrono::steady_clock::now();
      dialog.on_change(dialog, "Next");
      const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
      state.SetIterationTime(elapsed.count());
      reached = dialog.Field("transaction").text;
      return true;
    });
    RunTransactionDialog(year.printing(), search, outcome.found, NextMode::kDiscounted);
  }
  if (reached != std::to_string(kDiscountedTo)) state.SkipWithError("did not reach the discount");
  if (!ui.messages.empty()) state.SkipWithError("a message was shown");
}
BENCHMARK(BM_DiscountedNextPastTenThousand)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ventro
