// The Customers menu at shop scale. A year of 1,000 sales a day: the statement, the payment
// dialog's list and the period activity of one customer, each set beside the read of every
// day's sales log once in blocks, the cost they should stay within twice of. 100,000
// customers: prune and the mailmerge selection, set beside one read of customer.dat.
#include <benchmark/benchmark.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "customers/customer_desk.h"
#include "customers/customer_maintenance.h"
#include "customers/customer_payment.h"
#include "customers/mailmerge.h"
#include "customers/statement.h"
#include "records/period_dialog.h"
#include "sale/sales_log_record.h"
#include "store/day_log.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

constexpr int kYear = 2026;
constexpr int kPerDay = 1000;
// One sale in this many is the statement customer's.
constexpr int kCustomerEvery = 50;
constexpr int64_t kStatementCustomer = 7;
constexpr int64_t kCustomers = 100'000;
// Blocks of the reference read, as large as the history reader's.
constexpr size_t kBlockBytes = 64 * SalesLogRecord::kSize;

void WriteFile(const Path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

Path SalesLogPath(const Path& folder, const Date& day) {
  return DayFolder(folder, LocalTime{day.year, day.month, day.day}) / "saleslog.dat";
}

void WriteSalesLog(const Path& folder, const Date& day, int64_t& number) {
  std::string bytes;
  bytes.reserve(size_t{kPerDay} * SalesLogRecord::kSize);
  for (int k = 0; k < kPerDay; ++k, ++number) {
    Basket basket;
    basket.transaction_number = number;
    basket.customer_number = k % kCustomerEvery == 0 ? kStatementCustomer : 0;
    basket.totals.grand_total = 7.20;
    SetText(basket.texts.payment_type, k % 2 == 0 ? "Cash" : "Account");
    SalesLogRecord record = SalesLogRecord::FromBasket(basket);
    bytes.append(reinterpret_cast<const char*>(record.data()), SalesLogRecord::kSize);
  }
  WriteFile(SalesLogPath(folder, day), bytes);
}

// Customers 1 to 100,000 with a tax code (so that prune passes them by after reading each)
// and a balance on every tenth.
void WriteCustomers(const Path& folder) {
  std::ofstream out(folder / "customer.dat", std::ios::binary | std::ios::trunc);
  CustomerRecord record;
  for (int64_t number = 1; number <= kCustomers; ++number) {
    record.Set(cust::kNumber, number);
    record.Set(cust::kName, "CUSTOMER " + std::to_string(number));
    record.Set(cust::kTax, 1);
    record.Set(cust::kBalance, number % 10 == 0 ? 12.50 : 0.0);
    record.Set(cust::kLastUsed, "09:30Mon 1 Jun 25");
    out.write(reinterpret_cast<const char*>(record.data()), CustomerRecord::kSize);
  }
}

// The data folder, written once for every benchmark and removed at exit.
class Shop {
 public:
  Shop() {
    p.clock.Set(kYear, 12, 31, 18, 0);
    settings.ApplyFirstRunDefaults(p.clock.now);
    settings.Set(cfg::kHistoryFrom, Date{1, 1, kYear});
    int64_t number = 1;
    for (Date day{1, 1, kYear}; day.year == kYear; day = NextDay(day)) {
      WriteSalesLog(dir.path(), day, number);
      days.push_back(day);
    }
    WriteCustomers(dir.path());
    customers.Load(p.files, dir.path());
  }
  CustomerDesk desk() { return {p.platform, settings, customers, paths, window, labels}; }

  test::TempDir dir;
  test::TestPlatform p;
  SettingsRecord settings;
  MasterFile customers{MasterKind::kCustomer};
  DataPaths paths{dir.path(), dir.path()};
  test::RecordingWindow window;
  LabelTable labels;
  std::vector<Date> days;
};

Shop& TheShop() {
  static Shop shop;
  return shop;
}

// The number of lines the "Statement" dialog listed, kept by the answer.
std::function<bool(Dialog&)> CountLines(size_t& lines) {
  return [&lines](Dialog& dialog) {
    lines = dialog.Field("lines").options.size();
    dialog.pressed = "OK";
    return true;
  };
}

void CheckLines(benchmark::State& state, size_t lines) {
  // Every 50th sale of 365 days, and the balance line.
  const size_t expected = 365 * (kPerDay / kCustomerEvery) + 1;
  if (lines != expected) state.SkipWithError("the list missed transactions");
}

// The reference: every day's sales log read once, in blocks.
void BM_ReadYearOfSalesLogs(benchmark::State& state) {
  Shop& shop = TheShop();
  std::vector<uint8_t> block(kBlockBytes);
  for (auto _ : state) {
    size_t bytes = 0;
    for (const Date& day : shop.days) {
      std::unique_ptr<File> file =
          shop.p.files.Open(SalesLogPath(shop.dir.path(), day), OpenMode::kRead);
      for (uint64_t offset = 0; file;) {
        const size_t got = file->ReadAt(offset, block.data(), block.size());
        bytes += got;
        offset += got;
        if (got < block.size()) break;
      }
    }
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_ReadYearOfSalesLogs)->Unit(benchmark::kMillisecond);

// "Customer statement" since 1 January, shown and closed with OK.
void BM_StatementOverAYear(benchmark::State& state) {
  Shop& shop = TheShop();
  size_t lines = 0;
  for (auto _ : state) {
    shop.p.ui.edit_answers.push_back(std::to_string(kStatementCustomer));
    shop.p.ui.dialog_answers.push_back(CountLines(lines));
    CustomerDesk desk = shop.desk();
    ShowCustomerStatement(desk);
  }
  CheckLines(state, lines);
}
BENCHMARK(BM_StatementOverAYear)->Unit(benchmark::kMillisecond);

// The payment dialog with the customer's transactions listed, closed with Cancel.
void BM_PaymentListOverAYear(benchmark::State& state) {
  Shop& shop = TheShop();
  const int64_t position = *shop.customers.FindPosition(kStatementCustomer);
  size_t lines = 0;
  for (auto _ : state) {
    shop.p.ui.dialog_answers.push_back([&lines](Dialog& dialog) {
      lines = dialog.Field("transactions").options.size();
      dialog.pressed = "Cancel";
      return false;
    });
    CustomerDesk desk = shop.desk();
    PayCustomerBalance(desk, position);
  }
  if (lines < 365 * (kPerDay / kCustomerEvery)) state.SkipWithError("the list missed sales");
}
BENCHMARK(BM_PaymentListOverAYear)->Unit(benchmark::kMillisecond);

// "Customer period activity" from 1 January to 31 December.
void BM_PeriodActivityOverAYear(benchmark::State& state) {
  Shop& shop = TheShop();
  size_t lines = 0;
  for (auto _ : state) {
    shop.p.ui.edit_answers.push_back(std::to_string(kStatementCustomer));
    shop.p.ui.dialog_answers.push_back([](Dialog& dialog) {
      dialog.Field("start_day").choice = 0;
      dialog.Field("start_month").choice = 0;
      dialog.pressed = "OK";
      return true;
    });
    shop.p.ui.dialog_answers.push_back(CountLines(lines));
    CustomerDesk desk = shop.desk();
    ShowCustomerPeriodActivity(desk);
  }
  CheckLines(state, lines);
}
BENCHMARK(BM_PeriodActivityOverAYear)->Unit(benchmark::kMillisecond);

// The reference: customer.dat read once, in blocks.
void BM_ReadCustomerFile(benchmark::State& state) {
  Shop& shop = TheShop();
  std::vector<uint8_t> block(512 * CustomerRecord::kSize);
  for (auto _ : state) {
    std::unique_ptr<File> file = shop.p.files.Open(shop.customers.path(), OpenMode::kRead);
    size_t bytes = 0;
    for (uint64_t offset = 0;;) {
      const size_t got = file->ReadAt(offset, block.data(), block.size());
      bytes += got;
      offset += got;
      if (got < block.size()) break;
    }
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_ReadCustomerFile)->Unit(benchmark::kMillisecond);

// Prune from number 1 over 100,000 customers, none of whom may go (each has a tax code).
void BM_PruneHundredThousand(benchmark::State& state) {
  Shop& shop = TheShop();
  for (auto _ : state) {
    shop.p.ui.messages.clear();
    shop.p.ui.edit_answers.push_back("1");
    shop.p.ui.message_answers.push_back(Answer::kNo);
    CustomerDesk desk = shop.desk();
    PruneCustomers(desk);
  }
  if (shop.p.ui.messages.size() != 1) state.SkipWithError("prune asked about a customer");
}
BENCHMARK(BM_PruneHundredThousand)->Unit(benchmark::kMillisecond);

// The mailmerge selection "Owe money" over 100,000 customers.
void BM_MailmergeSelectionHundredThousand(benchmark::State& state) {
  Shop& shop = TheShop();
  size_t chosen = 0;
  for (auto _ : state) {
    chosen = MailmergeCustomers(shop.p.files, shop.customers, 1, kCustomers,
                                MailmergeSelection::kOweMoney, kYear)
                 .size();
  }
  if (chosen != kCustomers / 10) state.SkipWithError("the selection missed customers");
}
BENCHMARK(BM_MailmergeSelectionHundredThousand)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ventro
