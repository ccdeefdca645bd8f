#include "reports/sales_report_dialog.h"

#include <optional>
#include <string>

#include "base/format.h"
#include "inventory/item_lookup.h"
#include "platform/clock_text.h"
#include "print/print_job.h"

namespace ventro {
namespace {

constexpr char kPrint[] = "&Print";

struct Column {
  const char* key;
  const char* name;
  SalesFigure figure;
};

// The lists in the window's order: the three figures of the first block, then the taxes.
constexpr Column kColumns[] = {
    {"non_taxable", "Non taxable", kNonTaxable},
    {"taxable", "Taxable", kTaxable},
    {"total", "Total", kTotal},
    {"tax1", "Tax 1", kTax1},
    {"tax2", "Tax 2", kTax2},
};

DialogField ListField(const std::string& key, const char* label, const char* group,
                      const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += '\n';
    text += line;
  }
  DialogField field = TextField(key, label, text, 0);
  field.kind = FieldKind::kReadOnly;
  field.multiline = true;
  field.group = group;
  return field;
}

// Line 0 of the printed summary: the shop, the time and the long date.
std::string SummaryHeading(const ReportDesk& desk) {
  const LocalTime now = desk.platform.clock.Now();
  const std::string stamp = TimeAndDateText(now);
  return StringPrintf("%s  %c%c:%c%c %s", desk.settings.Get(cfg::kHeadingLine, 1).c_str(), stamp[0],
                      stamp[1], stamp[3], stamp[4],
                      desk.platform.locale.FormatDate("dddd MMMM d yyyy", now).c_str());
}

void PrintSummary(const ReportDesk& desk, const std::string& title, const SalesFigures& sums) {
  std::optional<PrintTarget> target =
      ChoosePrinter(desk.platform, desk.settings, "", PrintRoute::kSummary);
  if (!target) return;
  const std::string heading = SummaryHeading(desk);
  PrintCopies(desk.platform, *target, "sales-report", [&](PrintCanvas& canvas, DocumentPages&) {
    DrawSalesSummary(canvas, heading, title, sums);
  });
}

}  // namespace

void ShowSalesReport(const ReportDesk& desk, const SalesReportFilter& filter) {
  Platform& platform = desk.platform;
  std::optional<Period> period =
      RunPeriodDialog(platform.ui, desk.settings.Get(cfg::kHistoryFrom).year, platform.clock.Now());
  if (!period) return;
  const SalesReport report =
      BuildSalesReport(platform.files, platform.locale, desk.data_folder, *period, filter);

  Dialog dialog;
  dialog.name = "Inves4";
  dialog.title = SalesReportTitle(platform.locale, *period, filter.clerk != 0 && !filter.item);
  for (const Column& column : kColumns) {
    const std::string key = column.key;
    dialog.Add(ListField(key + "_day", "Day", column.name, report.days[column.figure]));
    dialog.Add(ListField(key + "_month", "Month", column.name, report.months[column.figure]));
    dialog.Add(ListField(key + "_year", "Year", column.name, report.years[column.figure]));
  }
  dialog.Add(NoteField("note",
                       "The totals include cash, Ch, EFT and credit sales less refunds. Note that "
                       "sales to customers with a tax code of 0 do not attract tax."));
  dialog.buttons = {"OK"};
  dialog.actions = {kPrint};
  dialog.focus = "OK";
  const std::string title = dialog.title;
  dialog.on_change = [&](Dialog& shown, const std::string& key) {
    if (key != kPrint) return;
    PrintSummary(desk, title, report.period);
    shown.focus = "OK";
  };
  platform.ui.RunDialog(dialog);
}

void RunSalesReport(const ReportDesk& desk) { ShowSalesReport(desk, SalesReportFilter{}); }

void RunStaffSalesReport(const ReportDesk& desk) {
  std::string text;
  if (!desk.platform.ui.EditBox("Please enter the clerk number (1-99):", text)) return;
  const int64_t clerk = AtoI64(text);
  if (clerk < 1 || clerk > 99) {
    desk.platform.ui.Message("Problem", "Outside range", Icon::kWarning);
    return;
  }
  ShowSalesReport(desk, SalesReportFilter{static_cast<int>(clerk), std::nullopt});
}

void RunItemSalesReport(const InventoryDesk& desk) {
  std::string text;
  if (!desk.ui().EditBox("Find item number / description / fragment", text)) return;
  if (!LookUpItem(desk, text)) return;
  const int64_t item = desk.inventory.item().Get(inv::kNumber);
  ShowSalesReport({desk.platform, desk.settings, desk.data_folder}, SalesReportFilter{0, item});
}

}  // namespace ventro
