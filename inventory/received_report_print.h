// The printed "Inventory received" report: pages headed with the shop and the page number,
// each receipt on two lines.
#pragma once

#include <string>
#include <vector>

#include "inventory/received_report.h"
#include "platform/print_canvas.h"
#include "print/print_job.h"

namespace ventro {

// Draws the page `pages.page` of the report, starting at entry `pages.resume_line`; moves both
// on when entries are left for another page. Each page is headed "%s Inventory received, page:
// %d" (the shop's name, the page) with `period` below it.
void DrawReceivedReport(PrintCanvas& canvas, DocumentPages& pages, const std::string& shop,
                        const std::string& period, const std::vector<ReceivedEntry>& entries);

}  // namespace ventro
