// The Reports menu's sales reports: the period asked, then the report window "Inves4" with its
// lists by day, month and year and the printed tax summary.
#pragma once

#include "formats/settings_record.h"
#include "inventory/inventory_desk.h"
#include "platform/platform.h"
#include "reports/report_desk.h"
#include "reports/sales_report.h"

namespace ventro {

// The report of `filter` over a period the user chooses ("Invest"); nothing when the period is
// not given.
void ShowSalesReport(const ReportDesk& desk, const SalesReportFilter& filter);

// "&Sales report": every clerk's sales.
void RunSalesReport(const ReportDesk& desk);

// "Sales by staff": asks "Please enter the clerk number (1-99):"; a number outside 1 to 99
// gives "Outside range" titled "Problem" and no report.
void RunStaffSalesReport(const ReportDesk& desk);

// "Sales by item": the item chosen by number or description first; no item, no report.
void RunItemSalesReport(const InventoryDesk& desk);

}  // namespace ventro
