#include "reports/item_summary_window.h"

#include <algorithm>
#include <optional>

#include "base/format.h"
#include "records/period_dialog.h"
#include "reports/report_date.h"

namespace ventro {
namespace {

constexpr char kPrint[] = "Print";
constexpr char kSaveCsv[] = "Save as CSV text file";
constexpr int kFirstListLine = 2;  // below the heading and a blank line

struct Exclusion {
  const char* key;
  const char* label;
  bool ItemFilters::*flag;
};

constexpr Exclusion kExclusions[] = {
    {"exclude_refunds", "Exclude refunds", &ItemFilters::exclude_refunds},
    {"exclude_cash", "Exclude cash sales", &ItemFilters::exclude_cash},
    {"exclude_ch", "Exclude CH sales", &ItemFilters::exclude_cheque},
    {"exclude_eft", "Exclude EFT sales", &ItemFilters::exclude_eft},
    {"exclude_credit", "Exclude credit sales", &ItemFilters::exclude_credit},
    {"exclude_split", "Exclude split sales", &ItemFilters::exclude_split},
};

bool IsSummaryDate(const Date& date) {
  return date.day >= 1 && date.day <= 31 && date.month >= 1 && date.month <= 12 &&
         date.year >= 2000 && date.year <= 4000;
}

void AddDateFields(Dialog& dialog, const std::string& prefix, const std::string& group,
                   const LocalTime& today, bool with_day) {
  auto add = [&](DialogField field) { dialog.Add(std::move(field)).group = group; };
  if (with_day) add(TextField(prefix + "day", "Day", StringPrintf("%d", today.day), 2));
  add(TextField(prefix + "month", "Month", StringPrintf("%d", today.month), 2));
  std::vector<std::string> years;
  for (int year = today.year; year >= today.year - 8; --year) {
    years.push_back(StringPrintf("%d", year));
  }
  add(ChoiceField(prefix + "year", "Year", years, 0));
}

Date DateOf(const Dialog& dialog, const std::string& prefix, bool with_day) {
  auto number = [&](const std::string& key) {
    const int64_t value = AtoI64(dialog.Field(key).text);
    return value < 0 || value > 9999 ? 0 : static_cast<int>(value);
  };
  const DialogField& year = dialog.Field(prefix + "year");
  const int chosen = year.choice >= 0 && year.choice < static_cast<int>(year.options.size())
                         ? static_cast<int>(AtoI64(year.options[year.choice]))
                         : 0;
  return {with_day ? number(prefix + "day") : 1, number(prefix + "month"), chosen};
}

const char* TemplateOf(SummarySpan span) {
  switch (span) {
    case SummarySpan::kMonth:
      return "Repor2";
    case SummarySpan::kPeriod:
      return "Repor8";
    default:
      return "Report";
  }
}

const char* CaptionOf(SummarySpan span) {
  switch (span) {
    case SummarySpan::kDay:
      return "Daily item summary";
    case SummarySpan::kWeek:
      return "Weekly item summary";
    case SummarySpan::kMonth:
      return "Monthly item summary";
    case SummarySpan::kPeriod:
      return "Specific period item summary";
  }
  return "";
}

// The filters and the days asked; nothing when cancelled or a date is out of range.
std::optional<std::pair<SummaryDays, ItemFilters>> AskFilters(const ReportDesk& desk,
                                                              SummarySpan span,
                                                              const SettingsRecord& settings) {
  const LocalTime today = desk.platform.clock.Now();
  Dialog dialog;
  dialog.name = TemplateOf(span);
  dialog.title = CaptionOf(span);
  const bool with_day = span != SummarySpan::kMonth;
  if (span == SummarySpan::kPeriod) {
    AddDateFields(dialog, "start_", "Start", today, true);
    AddDateFields(dialog, "end_", "End", today, true);
  } else {
    AddDateFields(dialog, "", "", today, with_day);
  }
  ItemFilters defaults;
  for (const Exclusion& exclusion : kExclusions) {
    dialog.Add(CheckField(exclusion.key, exclusion.label, defaults.*exclusion.flag));
  }
  std::vector<std::string> categories = {"All"};
  for (int c = 0; c < SettingsRecord::kCategoryCount; ++c) {
    categories.push_back(settings.CategoryCode(c));
  }
  categories.push_back("Non Inventory");
  dialog.Add(ChoiceField("category", "Category", categories, 0));
  if (!desk.platform.ui.RunDialog(dialog) || !dialog.Pressed("OK")) return std::nullopt;

  ItemFilters filters;
  for (const Exclusion& exclusion : kExclusions) {
    filters.*exclusion.flag = dialog.Field(exclusion.key).checked;
  }
  filters.category = std::max(0, dialog.Field("category").choice);
  const std::string prefix = span == SummarySpan::kPeriod ? "start_" : "";
  const Date first = DateOf(dialog, prefix, with_day);
  const Date end = span == SummarySpan::kPeriod ? DateOf(dialog, "end_", true) : first;
  if (!IsSummaryDate(first) || !IsSummaryDate(end)) return std::nullopt;
  return std::make_pair(CoveredDays(span, first, end), filters);
}

void SaveCsv(const ReportDesk& desk, const ItemSummary& summary) {
  Ui& ui = desk.platform.ui;
  std::optional<Path> path = ui.SaveFileName(kSaveCsv, "Text files (*.TXT)", "");
  if (!path) return;
  const Path folder = path->parent_path();
  if (!folder.empty() && !desk.platform.files.IsReadableDirectory(folder)) {
    ui.Message("Problem", "Unable to locate directory.", Icon::kWarning);
    return;
  }
  if (!desk.platform.files.WriteWhole(*path, SummaryCsvText(summary))) {
    ui.Message("Problem", "Unable to open file.", Icon::kWarning);
    return;
  }
  ui.Message("File save", "Complete", Icon::kInformation);
}

void PrintSummary(const ReportDesk& desk, const SummaryDays& days, const ItemSummary& summary) {
  std::optional<PrintTarget> target =
      ChoosePrinter(desk.platform, desk.settings, "", PrintRoute::kSummary);
  if (!target) return;
  const std::string shop = desk.settings.Get(cfg::kHeadingLine, 1);
  const LocalTime reported{days.last.year,
                           days.last.month,
                           days.last.day,
                           0,
                           0,
                           0,
                           DayOfWeek(days.last.year, days.last.month, days.last.day)};
  const std::string date = ReportDateText(desk.platform.locale, reported);
  std::vector<std::string> lines;
  for (const SummaryEntry& entry : summary.entries()) lines.push_back(SummaryLine(entry));
  lines.push_back("");
  lines.push_back(SummaryTotalsLine(summary));
  PrintCopies(desk.platform, *target, "item-summary",
              [&](PrintCanvas& canvas, DocumentPages& pages) {
                DrawItemSummaryPage(canvas, pages, SummaryPageHeading(days, shop, date, 1),
                                    SummaryPageHeading(days, shop, date, pages.page), lines);
              });
}

DialogField Shown(const char* key, const char* label, std::string text) {
  DialogField field = TextField(key, label, std::move(text), 0);
  field.kind = FieldKind::kReadOnly;
  return field;
}

}  // namespace

SummaryDays CoveredDays(SummarySpan span, const Date& first, const Date& end) {
  SummaryDays days{span, first, first, ""};
  switch (span) {
    case SummarySpan::kDay:
      days.title =
          StringPrintf("Item report   Day %d Month %d %d", first.day, first.month, first.year);
      break;
    case SummarySpan::kWeek:
      for (int k = 1; k < 7; ++k) days.last = NextDay(days.last);
      days.title = StringPrintf("Item report   Week from day %d month %d %d", first.day,
                                first.month, first.year);
      break;
    case SummarySpan::kMonth:
      days.first.day = 1;
      days.last = {DaysInMonth(first.month, first.year), first.month, first.year};
      days.title = StringPrintf("Item report   Month %d %d", first.month, first.year);
      break;
    case SummarySpan::kPeriod:
      days.last = end;
      days.title = StringPrintf("Item report D:%d M:%d Y:%d  to  D:%d M:%d Y:%d", first.day,
                                first.month, first.year, end.day, end.month, end.year);
      break;
  }
  return days;
}

std::string SummaryPageHeading(const SummaryDays& days, const std::string& shop,
                               const std::string& date, int page) {
  const char* name = shop.c_str();
  const bool first = page == 1;
  switch (days.span) {
    case SummarySpan::kDay:
      return first ? StringPrintf("%s Daily item list: %s  page: %d", name, date.c_str(), page)
                   : StringPrintf("%s Daily item list, page: %d", name, page);
    case SummarySpan::kWeek:
      return first ? StringPrintf("%s Weekly item list to %s  page: %d", name, date.c_str(), page)
                   : StringPrintf("%s Weekly item list, page: %d", name, page);
    case SummarySpan::kMonth:
      return first ? StringPrintf("%s Monthly item list to %s  page: %d", name, date.c_str(), page)
                   : StringPrintf("%s Monthly item list, page: %d", name, page);
    case SummarySpan::kPeriod:
      return first ? StringPrintf("%s Item list D:%d M:%d Y:%d to D:%d M:%d Y:%d  page: %d", name,
                                  days.first.day, days.first.month, days.first.year, days.last.day,
                                  days.last.month, days.last.year, page)
                   : StringPrintf("%s Item list, page: %d", name, page);
  }
  return {};
}

void DrawItemSummaryPage(PrintCanvas& canvas, DocumentPages& pages,
                         const std::string& first_heading, const std::string& later_heading,
                         const std::vector<std::string>& lines) {
  const FontMetrics metrics = canvas.Metrics();
  const int line_height = std::max(1, metrics.height + metrics.external_leading);
  const int page_height = canvas.Caps().height;
  auto write = [&](int line, const std::string& text) {
    if (!text.empty()) canvas.Text(0, line * line_height, TextAlign::kLeft, text);
  };
  write(0, pages.page == 1 ? first_heading : later_heading);
  size_t next = static_cast<size_t>(pages.resume_line);
  for (int line = kFirstListLine; next < lines.size();) {
    write(line++, lines[next++]);
    if ((line_height + 2) * line > page_height) break;
  }
  if (next < lines.size()) {
    ++pages.page;
    pages.resume_line = static_cast<int>(next);
  }
}

std::string SummaryCsvText(const ItemSummary& summary) {
  std::string text;
  for (const SummaryEntry& entry : summary.entries()) text += SummaryLine(entry) + "\r\n";
  return text + SummaryTotalsLine(summary);
}

void RunItemSummary(const ReportDesk& desk, SummarySpan span) {
  auto asked = AskFilters(desk, span, desk.settings);
  if (!asked) return;
  const auto& [days, filters] = *asked;
  const ItemSummary summary =
      SummariseItems(desk.platform.files, desk.data_folder, days.first, days.last, filters);

  std::string text;
  for (const SummaryEntry& entry : summary.entries()) {
    if (!text.empty()) text += '\n';
    text += SummaryLine(entry);
  }
  Dialog dialog;
  dialog.name = "bands";
  dialog.title = days.title;
  DialogField list = Shown("list",
                           "Item            Description        Category    Cost      Nett      Tax "
                           "     Total     Quantity",
                           text);
  list.multiline = true;
  dialog.Add(std::move(list));
  dialog.Add(Shown("items", "Items", StringPrintf("%d", summary.lines())));
  dialog.Add(Shown("cost", "Cost", FormatAmount(summary.cost())));
  dialog.Add(Shown("retail", "Retail (nett)", FormatAmount(summary.nett())));
  dialog.Add(NoteField("note", "Item values do not include transaction discounts."));
  dialog.buttons = {"OK"};
  dialog.actions = {kPrint, kSaveCsv};
  dialog.on_change = [&](Dialog&, const std::string& key) {
    if (key == kPrint) PrintSummary(desk, days, summary);
    if (key == kSaveCsv) SaveCsv(desk, summary);
  };
  desk.platform.ui.RunDialog(dialog);
}

}  // namespace ventro
