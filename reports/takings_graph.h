// "Takings graph" of the Reports menu: the takings of the last 8 weeks by day and of the last
// year by week, listed in the list window, whose Print draws them as bar charts on one page.
#pragma once

#include "reports/report_desk.h"

namespace ventro {

// Builds the history ending today and shows it; "Print" asks for the printer ("Print" dialog,
// or a PDF file) and prints the graph as the document kind "takings-graph".
void ShowTakingsGraph(const ReportDesk& desk);

}  // namespace ventro
