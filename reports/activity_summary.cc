#include "reports/activity_summary.h"

#include <optional>
#include <vector>

#include "base/format.h"
#include "print/print_job.h"
#include "reports/activity_texts.h"
#include "reports/day_picker.h"
#include "reports/day_totals.h"

namespace ventro {
namespace {

constexpr char kLongDate[] = "dddd MMMM d yyyy";

Date DayOf(const LocalTime& time) { return {time.day, time.month, time.year}; }

Date& SelectedDay(ActivityDesk& desk) {
  if (desk.selected_day.day == 0) desk.selected_day = DayOf(desk.platform.clock.Now());
  return desk.selected_day;
}

DayTotals TotalsOf(ActivityDesk& desk, const Date& day) {
  return ComputeDayTotals(desk.platform.files, desk.data_folder, day);
}

SummaryFacts FactsOf(ActivityDesk& desk, const Date& day) {
  const LocalTime now = desk.platform.clock.Now();
  SummaryFacts facts;
  facts.store_name = desk.settings.Get(cfg::kHeadingLine, 1);
  facts.day = day;
  facts.clock = StringPrintf("%02d:%02d", now.hour, now.minute);
  facts.long_date = desk.platform.locale.FormatDate(kLongDate, now);
  facts.on_hour = desk.on_hour;
  facts.on_minute = desk.on_minute;
  facts.next_transaction = desk.settings.Get(cfg::kNextTransaction);
  facts.inventory_count = desk.inventory.live_count();
  facts.customer_count = desk.customers.live_count();
  return facts;
}

DialogField Shown(std::string key, std::string label, std::string text) {
  DialogField field = TextField(std::move(key), std::move(label), std::move(text), 0);
  field.kind = FieldKind::kReadOnly;
  return field;
}

std::string StampText(const char* label, const TimeStamp& stamp) {
  return StringPrintf("%s: %02d:%02d %d/%d/%d", label, stamp.hour, stamp.minute, stamp.day,
                      stamp.month, stamp.year);
}

void AddAmount(Dialog& dialog, const char* key, const char* label, double value) {
  dialog.Add(Shown(key, label, FormatAmount(value)));
}

Dialog StatusDialog(ActivityDesk& desk, const std::string& title, const DayTotals& t) {
  Dialog dialog;
  dialog.name = "814";
  dialog.title = title;
  dialog.Add(Shown("ontime", "", StringPrintf("Ontime: %02d:%02d", desk.on_hour, desk.on_minute)));
  dialog.Add(Shown("offtime", "", StampText("Offtime", desk.last_switch_off)));
  dialog.Add(Shown("backup", "", StampText("Backup", desk.settings.Get(cfg::kLastBackup))));
  dialog.Add(Shown("inventory", "",
                   StringPrintf("Inventory on the system: %lld",
                                static_cast<long long>(desk.inventory.live_count()))));
  dialog.Add(Shown("highest_inventory", "",
                   StringPrintf("Highest inventory number: %lld",
                                static_cast<long long>(HighestLiveNumber(desk.inventory)))));
  dialog.Add(Shown("customers", "",
                   StringPrintf("Customers on the system: %lld",
                                static_cast<long long>(desk.customers.live_count()))));
  dialog.Add(Shown("highest_customer", "",
                   StringPrintf("Highest customer number: %lld",
                                static_cast<long long>(HighestLiveNumber(desk.customers)))));
  AddAmount(dialog, "cash_sales", "Cash sales", t.cash_sales);
  AddAmount(dialog, "ch_sales", "CH sales", t.cheque_sales);
  AddAmount(dialog, "eft_sales", "EFT sales", t.eft_sales);
  AddAmount(dialog, "credit_sales", "Credit sales", t.credit_sales);
  AddAmount(dialog, "total_sales", "Total sales", t.SalesTotal());
  AddAmount(dialog, "cash_refunds", "Cash refunds", t.cash_refunds);
  AddAmount(dialog, "ch_refunds", "CH refunds", t.cheque_refunds);
  AddAmount(dialog, "eft_refunds", "EFT refunds", t.eft_refunds);
  AddAmount(dialog, "credit_refunds", "Credit refunds", t.credit_refunds);
  AddAmount(dialog, "total_refunds", "Total refunds", t.RefundsTotal());
  AddAmount(dialog, "non_taxable", "Non taxable sales", t.non_taxable_sales);
  AddAmount(dialog, "taxable", "Taxable sales", t.taxable_sales);
  AddAmount(dialog, "tax1", "Tax 1", t.tax1);
  AddAmount(dialog, "tax2", "Tax 2", t.tax2);
  AddAmount(dialog, "total", "Total", t.total);
  AddAmount(dialog, "balance_cash", "Balance cash", t.balance_cash);
  AddAmount(dialog, "balance_ch", "Balance CH", t.balance_cheque);
  AddAmount(dialog, "balance_eft", "Balance EFT", t.balance_eft);
  AddAmount(dialog, "balance_total", "Balance payments", t.BalanceTotal());
  dialog.Add(Shown("items", "Items sold (refunded)",
                   StringPrintf("%d (%d)", t.items_sold, t.items_refunded)));
  AddAmount(dialog, "cost", "Cost of sales", t.cost_of_sales);
  AddAmount(dialog, "net_sales", "Net sales", t.NetSales());
  AddAmount(dialog, "gross_profit", "Gross profit", t.GrossProfit());
  AddAmount(dialog, "discounts", "Discounts", t.discounts);
  AddAmount(dialog, "cash_back", "Cash back", t.cash_back);
  dialog.Add(NoteField("includes",
                       "The till takings figure includes Cash, CH and EFT sales and balance "
                       "payments less non credit refunds."));
  dialog.Add(NoteField("excludes",
                       "It excludes balance adjustments, credit sales, credit refunds and petty "
                       "cash payments."));
  return dialog;
}

void ShowStatus(ActivityDesk& desk, const std::string& title) {
  Dialog dialog = StatusDialog(desk, title, TotalsOf(desk, desk.selected_day));
  desk.platform.ui.RunDialog(dialog);
}

// Each line at x = 0, line n at n times the line height of the printer's own font.
void DrawSummary(PrintCanvas& canvas, const std::vector<std::string>& lines) {
  const FontMetrics metrics = canvas.Metrics();
  const int line_height = metrics.height + metrics.external_leading;
  for (size_t n = 0; n < lines.size(); ++n) {
    if (!lines[n].empty()) {
      canvas.Text(0, static_cast<int>(n) * line_height, TextAlign::kLeft, lines[n]);
    }
  }
}

}  // namespace

int64_t HighestLiveNumber(const MasterFile& file) {
  const std::vector<IndexEntry>& entries = file.index().entries();
  // Entries ascend by number, so the last one is the highest; free slots are negative.
  if (entries.empty() || entries.back().number < 1) return 0;
  return entries.back().number;
}

void ShowDailyStatus(ActivityDesk& desk) {
  const LocalTime now = desk.platform.clock.Now();
  desk.selected_day = DayOf(now);
  ShowStatus(desk, "Daily Status " + desk.platform.locale.FormatDate(kLongDate, now) + " ");
}

void ShowPickedDailyStatus(ActivityDesk& desk) {
  std::optional<Date> day = PickDay(desk.platform.ui, SelectedDay(desk));
  if (!day) return;
  desk.selected_day = *day;
  ShowStatus(desk, StringPrintf("Daily Status D:%d M:%d Y:%d", day->day, day->month, day->year));
}

void PrintActivitySummary(ActivityDesk& desk) {
  desk.selected_day = DayOf(desk.platform.clock.Now());
  std::optional<PrintTarget> target =
      ChoosePrinter(desk.platform, desk.settings, "", PrintRoute::kSummary);
  if (!target) return;
  const std::vector<std::string> lines =
      SummaryPrintLines(FactsOf(desk, desk.selected_day), TotalsOf(desk, desk.selected_day));
  PrintCopies(desk.platform, *target, "activity-summary",
              [&](PrintCanvas& canvas, DocumentPages&) { DrawSummary(canvas, lines); });
}

void ExportActivitySummary(ActivityDesk& desk) {
  const Date day = SelectedDay(desk);
  const DayTotals totals = TotalsOf(desk, day);
  Ui& ui = desk.platform.ui;
  std::optional<Path> path =
      ui.SaveFileName("Save As", "Text files (*.TXT)", "Ventro_Daily_Summary");
  if (!path) return;
  if (!desk.platform.files.WriteWhole(*path, ActivityExportText(FactsOf(desk, day), totals))) {
    ui.Message("Problem", "Unable to open file.", Icon::kWarning);
    return;
  }
  ui.Message("Activity file", "Exported.", Icon::kInformation);
}

void MailActivitySummary(ActivityDesk& desk) {
  const Date day = SelectedDay(desk);
  const std::string link = ActivityMailLink(FactsOf(desk, day), TotalsOf(desk, day));
  if (!desk.platform.shell.Open(link)) {
    desk.platform.ui.Message("Problem", "Unable to produce email.", Icon::kWarning);
  }
}

Status WriteActivityReportFile(ActivityDesk& desk, const std::string& file_name) {
  desk.selected_day = DayOf(desk.platform.clock.Now());
  const std::string text =
      ActivityReportText(FactsOf(desk, desk.selected_day), TotalsOf(desk, desk.selected_day));
  if (file_name.empty() || !desk.platform.files.WriteWhole(desk.data_folder / file_name, text)) {
    return Status::Failed("Problem", "Unable to produce report file.", Severity::kWarning);
  }
  return Status::Ok();
}

}  // namespace ventro
