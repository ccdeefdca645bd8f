#include "reports/day_log_commands.h"

#include <optional>
#include <string>

#include "platform/tell.h"
#include "reports/day_picker.h"
#include "reports/log_print.h"
#include "reports/log_viewer.h"
#include "store/day_log.h"

namespace ventro {
namespace {

constexpr char kLogDocumentKind[] = "day-log";

// The day the user types, or nothing when cancelled or refused ("Invalid date" shown).
std::optional<LocalTime> AskLogDay(Ui& ui) {
  std::string text;
  if (!ui.EditBox("Enter day (DD/MM/YYYY):", text)) return std::nullopt;
  std::optional<LocalTime> day = ParseLogDay(text);
  if (!day) ui.Message("Problem", "Invalid date", Icon::kWarning);
  return day;
}

// The log of `day`, or nothing with "No log for day." shown.
std::optional<std::string> ReadDayLog(const PrintingContext& context, const LocalTime& day) {
  std::optional<std::string> log =
      context.platform.files.ReadAll(DayTextLogPath(context.data_folder, day));
  if (!log) context.platform.ui.Message("Problem", "No log for day.", Icon::kWarning);
  return log;
}

bool PrintDayLog(const PrintingContext& context, const LocalTime& day) {
  std::optional<std::string> log = ReadDayLog(context, day);
  if (!log) return false;
  std::optional<PrintTarget> target =
      ChoosePrinter(context.platform, context.settings, "", PrintRoute::kSummary);
  if (!target) return false;
  const std::string store = context.settings.Get(cfg::kHeadingLine, 1);
  LogPrintPosition position;
  return PrintCopies(context.platform, *target, kLogDocumentKind,
                     [&](PrintCanvas& canvas, DocumentPages& pages) {
                       DrawLogPage(canvas, pages, position, *log, store, day);
                     });
}

}  // namespace

void DisplayTodaysLog(const PrintingContext& context) {
  Platform& platform = context.platform;
  const LocalTime now = platform.clock.Now();
  Tell(platform.ui, EnsureDayFolders(platform.files, context.data_folder, now));
  ShowLogViewer(platform.ui, platform.files, DayTextLogPath(context.data_folder, now));
}

void DisplayPreviousLog(const PrintingContext& context) {
  Platform& platform = context.platform;
  const LocalTime now = platform.clock.Now();
  std::optional<Date> picked = PickDay(platform.ui, {now.day, now.month, now.year});
  if (!picked) return;
  const Path log = DayTextLogPath(context.data_folder, {picked->year, picked->month, picked->day});
  if (!platform.files.Exists(log)) {
    platform.ui.Message("Problem", "No log for that day.", Icon::kWarning);
    return;
  }
  ShowLogViewer(platform.ui, platform.files, log, "Data file");
}

bool PrintTodaysLog(const PrintingContext& context) {
  return PrintDayLog(context, context.platform.clock.Now());
}

void PrintLogForDay(const PrintingContext& context) {
  if (std::optional<LocalTime> day = AskLogDay(context.platform.ui)) PrintDayLog(context, *day);
}

void ExportLogForDay(const PrintingContext& context) {
  Ui& ui = context.platform.ui;
  std::optional<LocalTime> day = AskLogDay(ui);
  if (!day) return;
  std::optional<std::string> log = ReadDayLog(context, *day);
  if (!log) return;
  std::optional<Path> target = ui.SaveFileName("Export log", "Text files (*.TXT)", "");
  if (!target) return;
  // Written whole through a temporary file renamed over the target, so a failed copy leaves
  // whatever was there before.
  if (!context.platform.files.WriteWhole(*target, *log)) {
    ui.Message("Problem", "File not exported", Icon::kWarning);
    return;
  }
  ui.Message("Complete", "File export", Icon::kInformation);
}

}  // namespace ventro
