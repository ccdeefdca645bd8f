#include "reports/sales_report.h"

#include <cstring>
#include <unordered_set>

#include "base/format.h"
#include "sale/sales_log_record.h"
#include "store/day_log_reader.h"

namespace ventro {
namespace {

constexpr char kShortDate[] = "ddd d MMM yy";

LocalTime TimeOf(const Date& date) {
  return LocalTime{
      date.year, date.month, date.day, 0, 0, 0, DayOfWeek(date.year, date.month, date.day)};
}

std::string ShortDate(Locale& locale, const Date& date, const char* fallback) {
  std::string text = locale.FormatDate(kShortDate, TimeOf(date));
  if (text.empty()) text = StringPrintf(fallback, date.day, date.month, date.year);
  return text;
}

char KindOf(const SalesLogRecord& record) {
  const std::string type = record.payment_type();
  return type.empty() ? '\0' : type[0];
}

SalesFigures FiguresOf(const SalesLogRecord& record) {
  SalesFigures figures;
  figures.value = {record.non_taxable_total(), record.taxable_total(), record.tax1_total(),
                   record.tax2_total(), record.grand_total()};
  return figures;
}

// The clerk's sales and refunds; balance payments left out.
SalesFigures AddUpRecords(std::string_view sales_log, int clerk) {
  SalesFigures sums;
  SalesLogRecord record;
  const size_t count = sales_log.size() / SalesLogRecord::kSize;
  for (size_t i = 0; i < count; ++i) {
    std::memcpy(record.data(), sales_log.data() + i * SalesLogRecord::kSize, SalesLogRecord::kSize);
    if (KindOf(record) == 'P') continue;
    if (clerk != 0 && record.clerk_number() != clerk) continue;
    sums.Add(FiguresOf(record));
  }
  return sums;
}

// The item's lines of the transactions kept: each transaction number once, refunds negated.
SalesFigures AddUpItemLines(std::string_view sales_log, std::string_view items_log, int clerk,
                            int64_t item) {
  std::unordered_set<int64_t> sales;
  std::unordered_set<int64_t> refunds;
  SalesLogRecord record;
  const size_t count = sales_log.size() / SalesLogRecord::kSize;
  for (size_t i = 0; i < count; ++i) {
    std::memcpy(record.data(), sales_log.data() + i * SalesLogRecord::kSize, SalesLogRecord::kSize);
    const char kind = KindOf(record);
    if (kind == 'P') continue;
    if (clerk != 0 && record.clerk_number() != clerk) continue;
    (kind == 'R' ? refunds : sales).insert(record.transaction_number());
  }
  SalesFigures sums;
  ItemsLogRecord line;
  const size_t lines = items_log.size() / ItemsLogRecord::kSize;
  for (size_t i = 0; i < lines; ++i) {
    std::memcpy(line.data(), items_log.data() + i * ItemsLogRecord::kSize, ItemsLogRecord::kSize);
    if (line.item_number() != item) continue;
    const int64_t number = line.transaction_number();
    const double sign = refunds.contains(number) ? -1 : sales.contains(number) ? 1 : 0;
    if (sign == 0) continue;
    SalesFigures figures;
    figures.value = {line.non_taxable_amount(), line.taxable_amount(), line.tax1(), line.tax2(),
                     line.line_total()};
    for (double& value : figures.value) value *= sign;
    sums.Add(figures);
  }
  return sums;
}

void AddLines(std::array<std::vector<std::string>, kSalesFigureCount>& lists,
              const std::string& label, const SalesFigures& sums) {
  for (int k = 0; k < kSalesFigureCount; ++k) {
    lists[k].push_back(label + "  " + FormatAmount(sums.value[k]));
  }
}

}  // namespace

SalesFigures AddUpDaySales(std::string_view sales_log, std::string_view items_log,
                           const SalesReportFilter& filter) {
  if (filter.item) return AddUpItemLines(sales_log, items_log, filter.clerk, *filter.item);
  return AddUpRecords(sales_log, filter.clerk);
}

std::string SalesReportTitle(Locale& locale, const Period& period, bool staff) {
  std::string start = locale.FormatDate(kShortDate, TimeOf(period.start));
  std::string title;
  if (start.empty()) {
    title = StringPrintf(" Sales report: %2d/%2d/%d", period.start.day, period.start.month,
                         period.start.year);
  } else {
    title = (staff ? "Staff sales report: " : "Sales report: ") + start;
  }
  return title + " to " + ShortDate(locale, period.end, "%2d/%2d/%d");
}

SalesReport BuildSalesReport(Files& files, Locale& locale, const Path& data_folder,
                             const Period& period, const SalesReportFilter& filter) {
  SalesReport report;
  if (DateBefore(period.end, period.start)) return report;
  SalesFigures month;
  SalesFigures year;
  for (Date day = period.start;; day = NextDay(day)) {
    const Path folder = DayLogFolder(data_folder, day.year, day.month, day.day);
    std::optional<std::string> sales =
        ReadLogRecords(files, folder / "saleslog.dat", SalesLogRecord::kSize);
    std::optional<std::string> items;
    if (sales && filter.item) {
      items = ReadLogRecords(files, folder / "itemslog.dat", ItemsLogRecord::kSize);
    }
    if (sales && (!filter.item || items)) {
      const SalesFigures sums = AddUpDaySales(*sales, items ? *items : "", filter);
      month.Add(sums);
      year.Add(sums);
      report.period.Add(sums);
      if (!filter.item || sums[kTotal] != 0) {
        AddLines(report.days, ShortDate(locale, day, "%d/%d/%d"), sums);
      }
    }
    // Each month and year is closed on its last day walked, whether the period ends there or
    // runs on into the next.
    const Date next = NextDay(day);
    const bool last = !DateBefore(day, period.end);
    if (last || next.month != day.month) {
      AddLines(report.months, StringPrintf("%d of %d", day.month, day.year), month);
      month = {};
    }
    if (last || next.year != day.year) {
      AddLines(report.years, StringPrintf("%d", day.year), year);
      year = {};
    }
    if (last) break;
  }
  return report;
}

void DrawSalesSummary(PrintCanvas& canvas, const std::string& heading, const std::string& title,
                      const SalesFigures& sums) {
  const FontMetrics metrics = canvas.Metrics();
  const int line_height = metrics.height + metrics.external_leading;
  auto text = [&](int x, int line, const std::string& value) {
    canvas.Text(x, line * line_height, TextAlign::kLeft, value);
  };
  text(0, 0, heading);
  text(0, 1, title);
  const struct {
    int line;
    const char* name;
    double value;
  } rows[] = {
      {3, "Non taxable", sums[kNonTaxable]},
      {4, "Taxable", sums[kTaxable]},
      {5, "Sub total", sums[kNonTaxable] + sums[kTaxable]},
      {7, "Tax 1", sums[kTax1]},
      {8, "Tax 2", sums[kTax2]},
      {10, "Total", sums[kTotal]},
  };
  // The figures stand in one column past the widest name, "Non taxable".
  const int figures_x = 11 * metrics.average_char_width + 100;
  for (const auto& row : rows) {
    text(0, row.line, row.name);
    text(figures_x, row.line, FormatAmount(row.value));
  }
}

}  // namespace ventro
