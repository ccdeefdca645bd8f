// The texts of the activity summary: the printed page's lines, the exported text file, the
// head office's report file and the mail link, each built from the day totals and the few
// facts of the run they name. Nothing here reads files or talks to the user.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/settings_record.h"
#include "reports/day_totals.h"

namespace ventro {

struct SummaryFacts {
  std::string store_name;  // the first heading line
  Date day;                // the day the totals are of
  std::string clock;       // the current time, "HH:MM"
  std::string long_date;   // today, "dddd MMMM d yyyy"
  int on_hour = 0;         // when this run was switched on
  int on_minute = 0;
  int next_transaction = 0;
  int64_t inventory_count = 0;
  int64_t customer_count = 0;
};

// Lines 0 to 34 of the printed summary; blank lines are empty. The three "Total:" lines are
// indented by 43 spaces.
std::vector<std::string> SummaryPrintLines(const SummaryFacts& facts, const DayTotals& totals);

// The exported text file: lines joined by CR LF, no line end after the last.
std::string ActivityExportText(const SummaryFacts& facts, const DayTotals& totals);

// The report file sent to head office: the export's figures after the store, time, switch-on
// and counts lines.
std::string ActivityReportText(const SummaryFacts& facts, const DayTotals& totals);

// The "mailto:" link that hands the summary to the mail program. The store name is
// percent-encoded wherever it appears, so that "&", "?" or "#" in it cannot end the subject or
// the body early; line ends are "%0D%0A".
std::string ActivityMailLink(const SummaryFacts& facts, const DayTotals& totals);

}  // namespace ventro
