// The same year loaded into a temporary in-memory SQLite database: the load, then the figures
// per day and per item by GROUP BY (items joined to their sales record on day and transaction),
// each checked against the reports' own figures.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "bench/trading_year.h"
#include "reports/item_summary.h"
#include "reports/sales_report.h"

namespace ventro::bench {
namespace {

using Database = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;
using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

Statement Prepare(sqlite3* db, const char* sql) {
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
  return Statement(statement, sqlite3_finalize);
}

Database LoadYear() {
  sqlite3* opened = nullptr;
  sqlite3_open(":memory:", &opened);
  Database db(opened, sqlite3_close);
  sqlite3_exec(db.get(),
               "CREATE TABLE sales(day INTEGER, number INTEGER, clerk INTEGER, type TEXT, "
               "non_taxable REAL, taxable REAL, tax1 REAL, tax2 REAL, total REAL);"
               "CREATE TABLE items(day INTEGER, number INTEGER, item INTEGER, non_taxable REAL, "
               "taxable REAL, tax1 REAL, tax2 REAL, cost REAL, total REAL);"
               "BEGIN;",
               nullptr, nullptr, nullptr);
  Statement sale = Prepare(db.get(), "INSERT INTO sales VALUES(?,?,?,?,?,?,?,?,?)");
  Statement item = Prepare(db.get(), "INSERT INTO items VALUES(?,?,?,?,?,?,?,?,?)");
  StdFiles files;
  SalesLogRecord record;
  ItemsLogRecord line;
  for (Date day = kFirstDay; !DateBefore(kLastDay, day); day = NextDay(day)) {
    const int key = day.year * 10000 + day.month * 100 + day.day;
    const Path folder = DayLogFolder(Year().data_folder(), day.year, day.month, day.day);
    const std::string sales = *files.ReadAll(folder / "saleslog.dat");
    for (size_t r = 0; r < sales.size() / SalesLogRecord::kSize; ++r) {
      std::memcpy(record.data(), sales.data() + r * SalesLogRecord::kSize, SalesLogRecord::kSize);
      sqlite3_stmt* s = sale.get();
      sqlite3_bind_int(s, 1, key);
      sqlite3_bind_int64(s, 2, record.transaction_number());
      sqlite3_bind_int(s, 3, record.clerk_number());
      const std::string type = record.payment_type();
      sqlite3_bind_text(s, 4, type.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_double(s, 5, record.non_taxable_total());
      sqlite3_bind_double(s, 6, record.taxable_total());
      sqlite3_bind_double(s, 7, record.tax1_total());
      sqlite3_bind_double(s, 8, record.tax2_total());
      sqlite3_bind_double(s, 9, record.grand_total());
      sqlite3_step(s);
      sqlite3_reset(s);
    }
    const std::string items = *files.ReadAll(folder / "itemslog.dat");
    for (size_t i = 0; i < items.size() / ItemsLogRecord::kSize; ++i) {
      std::memcpy(line.data(), items.data() + i * ItemsLogRecord::kSize, ItemsLogRecord::kSize);
      sqlite3_stmt* s = item.get();
      sqlite3_bind_int(s, 1, key);
      sqlite3_bind_int64(s, 2, line.transaction_number());
      sqlite3_bind_int64(s, 3, line.item_number());
      sqlite3_bind_double(s, 4, line.non_taxable_amount());
      sqlite3_bind_double(s, 5, line.taxable_amount());
      sqlite3_bind_double(s, 6, line.tax1());
      sqlite3_bind_double(s, 7, line.tax2());
      sqlite3_bind_double(s, 8, line.cost());
      sqlite3_bind_double(s, 9, line.line_total());
      sqlite3_step(s);
      sqlite3_reset(s);
    }
  }
  sqlite3_exec(db.get(), "COMMIT;", nullptr, nullptr, nullptr);
  return db;
}

Database& Loaded() {
  static Database db = LoadYear();
  return db;
}

bool Near(double a, double b) { return std::fabs(a - b) < 0.005 * std::max(1.0, std::fabs(a)); }

void BM_SqliteLoadYear(benchmark::State& state) {
  Year();  // generated before the clock starts
  for (auto _ : state) benchmark::DoNotOptimize(LoadYear());
}
BENCHMARK(BM_SqliteLoadYear)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SqliteTotalsPerDay(benchmark::State& state) {
  double year_total = 0;
  int days = 0;
  Year();  // generated before the clock starts
  for (auto _ : state) {
    Statement query = Prepare(Loaded().get(),
                              "SELECT day, SUM(total) FROM sales WHERE type NOT LIKE 'P%' "
                              "GROUP BY day ORDER BY day");
    year_total = 0;
    days = 0;
    while (sqlite3_step(query.get()) == SQLITE_ROW) {
      year_total += sqlite3_column_double(query.get(), 1);
      ++days;
    }
  }
  StdFiles files;
  EnglishLocale locale;
  SalesReport ours =
      BuildSalesReport(files, locale, Year().data_folder(), {kFirstDay, kLastDay}, {});
  if (days != static_cast<int>(ours.days[kTotal].size()) ||
      !Near(year_total, ours.period[kTotal])) {
    state.SkipWithError("the per-day totals disagree with the sales report");
  }
}
BENCHMARK(BM_SqliteTotalsPerDay)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SqliteTotalsPerItem(benchmark::State& state) {
  int groups = 0;
  int64_t lines = 0;
  double total = 0;
  Year();  // generated before the clock starts
  for (auto _ : state) {
    Statement query = Prepare(
        Loaded().get(),
        "SELECT i.item, COUNT(*), SUM(i.total) FROM items i JOIN sales s "
        "ON s.day = i.day AND s.number = i.number "
        "WHERE s.type NOT LIKE 'P%' AND s.type NOT LIKE 'R%' GROUP BY i.item ORDER BY 2 DESC");
    groups = 0;
    lines = 0;
    total = 0;
    while (sqlite3_step(query.get()) == SQLITE_ROW) {
      ++groups;
      lines += sqlite3_column_int64(query.get(), 1);
      total += sqlite3_column_double(query.get(), 2);
    }
  }
  StdFiles files;
  ItemSummary ours = SummariseItems(files, Year().data_folder(), kFirstDay, kLastDay, {});
  if (groups != static_cast<int>(ours.entries().size()) || lines != ours.lines() ||
      !Near(total, ours.total())) {
    state.SkipWithError("the per-item totals disagree with the item summary");
  }
}
BENCHMARK(BM_SqliteTotalsPerItem)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace ventro::bench
