// The sales report over a period: the non-taxable, taxable, tax 1, tax 2 and total figures of
// every day with a sales log, closed off by month and by year, for all clerks, one clerk or one
// inventory item, and the period's tax summary for the printer.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/locale.h"
#include "platform/print_canvas.h"
#include "records/period_dialog.h"

namespace ventro {

// The five figures in the order the report's lists show them.
enum SalesFigure { kNonTaxable, kTaxable, kTax1, kTax2, kTotal, kSalesFigureCount };

struct SalesFigures {
  std::array<double, kSalesFigureCount> value{};

  void Add(const SalesFigures& other) {
    for (int k = 0; k < kSalesFigureCount; ++k) value[k] += other.value[k];
  }
  double operator[](SalesFigure k) const { return value[k]; }
};

// What is reported: every clerk (0) or one clerk's sales, and optionally one item's lines.
struct SalesReportFilter {
  int clerk = 0;
  std::optional<int64_t> item;
};

// The report's fifteen lists, each list a figure's lines by day, by month or by year.
struct SalesReport {
  std::array<std::vector<std::string>, kSalesFigureCount> days;
  std::array<std::vector<std::string>, kSalesFigureCount> months;
  std::array<std::vector<std::string>, kSalesFigureCount> years;
  SalesFigures period;
};

// One day's figures from the bytes of its logs. Balance payments never count. Without an item
// filter the sales records of the chosen clerk are added (refunds carry negative amounts).
// With one, the item's lines of the transactions kept are added; each transaction counts once
// even when its record was written twice, and a refund's lines, stored positive, subtract.
SalesFigures AddUpDaySales(std::string_view sales_log, std::string_view items_log,
                           const SalesReportFilter& filter);

// "Sales report: " (or "Staff sales report: " for one clerk) and the period's dates.
std::string SalesReportTitle(Locale& locale, const Period& period, bool staff);

// Walks every day of `period` in calendar order, each day's logs read once. A day is listed
// when its sales log exists (for an item, when the item's day total is not 0); each month and
// each year is closed once, on its last day walked.
SalesReport BuildSalesReport(Files& files, Locale& locale, const Path& data_folder,
                             const Period& period, const SalesReportFilter& filter);

// The printed summary: the shop and time, the title, and the period's figures beside their
// names, in the printer's own font.
void DrawSalesSummary(PrintCanvas& canvas, const std::string& heading, const std::string& title,
                      const SalesFigures& sums);

}  // namespace ventro
