// The "Inventory received" report: every goods receipt of a period, day by day from the day
// receiving logs, with the item's description from the inventory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"
#include "print/printing_context.h"
#include "store/master_file.h"

namespace ventro {

struct ReportDate {
  int day = 0;
  int month = 0;
  int year = 0;
};

struct ReceivedEntry {
  std::string date;  // "%02d/%02d/%d" of the day received
  int64_t number = 0;
  std::string description;  // empty when the item no longer exists
  int64_t quantity = 0;
};

// Whether a report may run for this date: day 1 to 31, month 1 to 12, year 2000 to 4000.
bool IsReportDate(const ReportDate& date);

// " Inventory received: %2d/%2d/%d to %2d/%2d/%d".
std::string ReceivedReportTitle(const ReportDate& from, const ReportDate& to);

// The receipts of every day that exists from `from` to `to`, both included, in the order of the
// days and of each day's log. A date past the end of its month (31 April) stands between the
// month's last day and the next month's first; an end before the start gives nothing. Each
// day's log is read once and each item's description once; records numbered below 1 and days
// without a log are skipped.
std::vector<ReceivedEntry> CollectReceipts(Files& files, const Path& data_folder,
                                           const MasterFile& inventory, const ReportDate& from,
                                           const ReportDate& to);

// One receipt as the report window lists it: "%s         %I64d %s        Quantity: %I64d".
std::string ReceivedLine(const ReceivedEntry& entry);

// Command 3042: asks the period (SALE4BOX) and shows its receipts (SALE2BOX), which "Print"
// prints. Nothing happens when a date is outside IsReportDate.
void ShowReceivedReport(const PrintingContext& printing, const MasterFile& inventory);

}  // namespace ventro
