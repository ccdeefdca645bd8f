// The item summaries of the Reports menu: the day, week, month or period and the filters asked
// ("Report", "Repor2", "Repor8"), then the summary window "bands" with Print and the CSV file.
#pragma once

#include <string>
#include <vector>

#include "platform/print_canvas.h"
#include "print/print_job.h"
#include "reports/item_summary.h"
#include "reports/report_desk.h"

namespace ventro {

enum class SummarySpan { kDay, kWeek, kMonth, kPeriod };

// What a summary covers: its days and the words its window and pages are headed with.
struct SummaryDays {
  SummarySpan span = SummarySpan::kDay;
  Date first;
  Date last;
  std::string title;  // the window's title
};

// The days `span` covers from `first` (the period's start) to `end` (only for a period): the
// day itself, seven days, the whole month, or up to `end`.
SummaryDays CoveredDays(SummarySpan span, const Date& first, const Date& end);

// The first line of printed page `page`; `date` is the day reported (the last day of a week
// or month).
std::string SummaryPageHeading(const SummaryDays& days, const std::string& shop,
                               const std::string& date, int page);

// Draws page `pages.page`: its heading, a blank line, then `lines` (the list, a blank line and
// the totals line) from `pages.resume_line` while (line height + 2) x lines fits the page.
void DrawItemSummaryPage(PrintCanvas& canvas, DocumentPages& pages,
                         const std::string& first_heading, const std::string& later_heading,
                         const std::vector<std::string>& lines);

// The CSV text file: every list line ended by CR LF, then the totals line without one.
std::string SummaryCsvText(const ItemSummary& summary);

// Commands 1099, 3003, 3011 and 1033.
void RunItemSummary(const ReportDesk& desk, SummarySpan span);

}  // namespace ventro
