#include "inventory/received_report.h"

#include <memory>
#include <optional>
#include <tuple>
#include <unordered_map>

#include "base/format.h"
#include "formats/incoming_record.h"
#include "inventory/received_report_print.h"
#include "platform/clock_text.h"
#include "print/print_job.h"
#include "setup/config_fields.h"
#include "store/day_log.h"

namespace ventro {
namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

auto Key(const ReportDate& date) { return std::tie(date.year, date.month, date.day); }

ReportDate NextDay(ReportDate date) {
  if (++date.day > DaysInMonth(date.year, date.month)) {
    date.day = 1;
    if (++date.month > 12) {
      date.month = 1;
      ++date.year;
    }
  }
  return date;
}

// The first real day on or after `date`: a day past its month's end moves to the next month.
ReportDate FirstRealDay(ReportDate date) {
  if (date.day <= DaysInMonth(date.year, date.month)) return date;
  date.day = DaysInMonth(date.year, date.month);
  return NextDay(date);
}

// Descriptions by item number, each read from inventory.dat once.
class DescriptionCache {
 public:
  DescriptionCache(Files& files, const MasterFile& inventory)
      : files_(files), inventory_(inventory) {}

  const std::string& Of(int64_t number) {
    auto [it, added] = known_.try_emplace(number);
    if (added) it->second = Read(number);
    return it->second;
  }

 private:
  std::string Read(int64_t number) {
    std::optional<int64_t> position = inventory_.FindPosition(number);
    if (!position) return {};
    if (!file_) file_ = files_.Open(inventory_.path(), OpenMode::kRead);
    if (!file_) return {};
    InventoryRecord item;
    const uint64_t offset = static_cast<uint64_t>(*position) * InventoryRecord::kSize;
    if (file_->ReadAt(offset, item.data(), InventoryRecord::kSize) != InventoryRecord::kSize) {
      return {};
    }
    return item.Get(inv::kDescription);
  }

  Files& files_;
  const MasterFile& inventory_;
  std::unique_ptr<File> file_;
  std::unordered_map<int64_t, std::string> known_;
};

std::string Figures(int value) { return StringPrintf("%d", value); }

DialogField DateField(const std::string& key, const std::string& label, int value,
                      const std::string& group) {
  DialogField field = NumberField(key, label, Figures(value), 4);
  field.group = group;
  return field;
}

ReportDate DateOf(const Dialog& dialog, const std::string& prefix) {
  auto number = [&](const char* part) {
    const int64_t value = AtoI64(FieldText(dialog, prefix + part));
    return value < 0 || value > 9999 ? 0 : static_cast<int>(value);
  };
  return {number("_day"), number("_month"), number("_year")};
}

void PrintReport(const PrintingContext& printing, const std::string& title,
                 const std::vector<ReceivedEntry>& entries) {
  std::optional<PrintTarget> target =
      ChoosePrinter(printing.platform, printing.settings, "", PrintRoute::kSummary);
  if (!target) return;
  const std::string shop = printing.settings.Get(cfg::kHeadingLine, 1);
  PrintCopies(printing.platform, *target, "received-report",
              [&](PrintCanvas& canvas, DocumentPages& pages) {
                DrawReceivedReport(canvas, pages, shop, title, entries);
              });
}

}  // namespace

bool IsReportDate(const ReportDate& date) {
  return date.day >= 1 && date.day <= 31 && date.month >= 1 && date.month <= 12 &&
         date.year >= 2000 && date.year <= 4000;
}

std::string ReceivedReportTitle(const ReportDate& from, const ReportDate& to) {
  return StringPrintf(" Inventory received: %2d/%2d/%d", from.day, from.month, from.year) + " to " +
         StringPrintf("%2d/%2d/%d", to.day, to.month, to.year);
}

std::vector<ReceivedEntry> CollectReceipts(Files& files, const Path& data_folder,
                                           const MasterFile& inventory, const ReportDate& from,
                                           const ReportDate& to) {
  std::vector<ReceivedEntry> entries;
  if (!IsReportDate(from) || !IsReportDate(to)) return entries;
  DescriptionCache descriptions(files, inventory);
  for (ReportDate day = FirstRealDay(from); Key(day) <= Key(to); day = NextDay(day)) {
    const LocalTime time{day.year, day.month, day.day};
    std::optional<std::string> log = files.ReadAll(DayFolder(data_folder, time) / kIncomingLogName);
    if (!log) continue;
    const std::string date = DateText(time);
    for (const IncomingRecord& record : ParseIncomingLog(*log)) {
      if (record.number < 1) continue;
      entries.push_back({date, record.number, descriptions.Of(record.number), record.quantity});
    }
  }
  return entries;
}

std::string ReceivedLine(const ReceivedEntry& entry) {
  return StringPrintf("%s         %lld %s        Quantity: %lld", entry.date.c_str(),
                      static_cast<long long>(entry.number), entry.description.c_str(),
                      static_cast<long long>(entry.quantity));
}

void ShowReceivedReport(const PrintingContext& printing, const MasterFile& inventory) {
  Ui& ui = printing.platform.ui;
  const LocalTime today = printing.platform.clock.Now();
  Dialog period;
  period.name = "SALE4BOX";
  period.title = "Inventory received";
  for (const char* end : {"start", "end"}) {
    const std::string group = std::string(end) == "start" ? "Start date" : "End date";
    period.Add(DateField(std::string(end) + "_day", "Day", today.day, group));
    period.Add(DateField(std::string(end) + "_month", "Month", today.month, group));
    period.Add(DateField(std::string(end) + "_year", "Year", today.year, group));
  }
  if (!ui.RunDialog(period) || !period.Pressed("OK")) return;
  const ReportDate from = DateOf(period, "start");
  const ReportDate to = DateOf(period, "end");
  if (!IsReportDate(from) || !IsReportDate(to)) return;

  const std::vector<ReceivedEntry> entries =
      CollectReceipts(printing.platform.files, printing.data_folder, inventory, from, to);
  std::string text;
  for (const ReceivedEntry& entry : entries) {
    if (!text.empty()) text += '\n';
    text += ReceivedLine(entry);
  }
  Dialog report;
  report.name = "SALE2BOX";
  report.title = ReceivedReportTitle(from, to);
  DialogField lines = TextField("report", "", text, 0);
  lines.kind = FieldKind::kReadOnly;
  report.Add(std::move(lines));
  report.buttons = {"OK"};
  report.actions = {"Print"};
  report.on_change = [&](Dialog&, const std::string& key) {
    if (key == "Print") PrintReport(printing, report.title, entries);
  };
  ui.RunDialog(report);
}

}  // namespace ventro
