#include "app/start_up.h"

#include <algorithm>
#include <optional>
#include <string>

#include "base/format.h"
#include "devices/pole_display.h"
#include "formats/supplier_record.h"
#include "platform/clock_text.h"
#include "platform/tell.h"
#include "sale/quick_select.h"
#include "sale/sales_log_record.h"
#include "store/day_log.h"
#include "store/journal.h"
#include "store/settings_file.h"

namespace ventro {
namespace {

constexpr int32_t kHighestTransaction = 200'000'000;
constexpr int32_t kEarliestYear = 2015;

void Fatal(Ventro& ventro, const std::string& text) {
  ventro.ui().Message("Fatal error", text, Icon::kError);
}

void Problem(Ventro& ventro, const std::string& text) {
  ventro.ui().Message("Problem", text, Icon::kWarning);
}

TimeStamp StampOf(const LocalTime& time) {
  return {time.minute, time.hour, time.day, time.month, time.year};
}

// The starter files shipped beside the program.
std::vector<std::string> StarterFileNames() {
  std::vector<std::string> names;
  for (int k = 1; k <= 24; ++k) names.push_back("stock" + std::to_string(k) + ".bmp");
  for (const char* name : {"letter.bmp", "receipt.bmp", "inventory.dat", "customer.dat"}) {
    names.push_back(name);
  }
  return names;
}

// Loads one master file; shows its message and returns false when it fails.
bool LoadMaster(Ventro& ventro, MasterFile& master) {
  LoadStatus status = master.Load(ventro.files(), ventro.paths.folder);
  if (status == LoadStatus::kOk) return true;
  Fatal(ventro, master.LoadFailureText(status));
  return false;
}

// A quick-select category: 0 to 17, or 18 for all.
bool IsCategoryChoice(int64_t category) { return category >= 0 && category <= 18; }

// The highest transaction number in this year's index and today's sales log; 0 when none.
int64_t HighestLoggedTransaction(Files& files, const Path& folder, const LocalTime& now) {
  int64_t highest = 0;
  if (std::optional<std::string> year = files.ReadAll(YearFolder(folder, now) / "base.dat")) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(year->data());
    for (size_t at = YearIndexRecord::kHeaderSize; at + YearIndexRecord::kSize <= year->size();
         at += YearIndexRecord::kSize) {
      highest = std::max<int64_t>(highest, GetI32(bytes + at));
    }
  }
  if (std::optional<std::string> sales = files.ReadAll(DayFolder(folder, now) / "saleslog.dat")) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(sales->data());
    for (size_t at = 0; at + SalesLogRecord::kSize <= sales->size(); at += SalesLogRecord::kSize) {
      highest = std::max(highest, GetI64(bytes + at));
    }
  }
  return highest;
}

void RaiseToEarliestYear(Date& date) {
  if (date.year < kEarliestYear) date.year = kEarliestYear;
}

}  // namespace

bool dodemo(Ventro& ventro) {
  // The last start stays zero, so that the first start finds no previous one.
  ventro.settings.ApplyFirstRunDefaults(ventro.Now());
  if (!SaveSettingsFile(ventro.files(), ventro.paths.settings, ventro.settings)) {
    Fatal(ventro, "Data file: vt.cfg, not present.");
    return false;
  }

  // suppliers.dat is never empty: it starts with one deleted record. A settings file lost on
  // its own must not cost the shop its suppliers, so an existing file is kept.
  SupplierRecord deleted;
  deleted.Set(supp::kNumber, -1);
  std::string_view bytes(reinterpret_cast<const char*>(deleted.data()), SupplierRecord::kSize);
  if (!ventro.files().Exists(ventro.paths.suppliers) &&
      !ventro.files().WriteWhole(ventro.paths.suppliers, bytes)) {
    Fatal(ventro, "Data file: suppliers.dat, not present.");
    return false;
  }

  if (ventro.files().Exists(ventro.paths.folder / "stock1.bmp")) return true;
  if (!ventro.files().IsReadableDirectory(ventro.paths.program)) {
    Problem(ventro, "Unable to locate directory in dodemo.");
    return true;
  }
  // A copy that fails is not reported: a missing master file stops the start in Opendata.
  // Master files already in the folder are the shop's own and are never replaced by the
  // demonstration files.
  for (const auto& name : StarterFileNames()) {
    Path target = ventro.paths.folder / name;
    if (name.ends_with(".dat") && ventro.files().Exists(target)) continue;
    ventro.files().CopyFile(ventro.paths.program / name, target);
  }
  return true;
}

int Opendata(Ventro& ventro) {
  // A change that an ended run left half made is completed, or dropped when its journal is
  // torn, before anything is read.
  const RecoveryResult recovered = RecoverJournal(ventro.files(), ventro.paths.folder);
  if (recovered.recovery == Recovery::kFailed) {
    Fatal(ventro, "Not able to write to " + recovered.failed.filename().string());
    return 0;
  }

  SettingsRecord& settings = ventro.settings;
  switch (LoadSettingsFile(ventro.files(), ventro.paths.settings, settings)) {
    case SettingsLoad::kOk:
      break;
    case SettingsLoad::kMissing:
      Fatal(ventro, "The configuration file is not present in Opendata.");
      return 0;
    case SettingsLoad::kWrongSize:
      Fatal(ventro, "Data file vt.cfg corrupt in Opendata.");
      return 0;
  }

  if (settings.Get(cfg::kHeadingLine, 1).empty()) {
    static constexpr const char* kHeading[] = {
        "YOUR STORE", "SET FROM UTILITIES MENU", "STORE PRINT HEADING", "THE TOWN",
        "THE AREA",   "YOUR TELEPHONE",          "TARVEL SOFTWARE"};
    for (int k = 1; k <= 7; ++k) settings.Set(cfg::kHeadingLine, k, kHeading[k - 1]);
  }

  for (MasterFile* master : {&ventro.inventory, &ventro.customers, &ventro.suppliers}) {
    if (!LoadMaster(ventro, *master)) return 0;
  }

  if (!LoadLabelFile(ventro.files(), ventro.paths.language, ventro.labels)) {
    ventro.labels = LabelTable::Defaults(settings.Get(cfg::kLanguage));
  }

  if (settings.Get(cfg::kTaxName, 1).empty()) {
    settings.Set(cfg::kTaxName, 1, "TAX 1");
    settings.Set(cfg::kTaxName, 2, "TAX 2");
  }
  // A counter below 1 would number sales 0 or negative; it restarts at 1 like one past the
  // highest number.
  int32_t next = settings.Get(cfg::kNextTransaction);
  if (next < 1 || next > kHighestTransaction) settings.Set(cfg::kNextTransaction, 1);
  // A settings file older than the logs (restored, or a save that was lost) would number sales
  // again: the number moves above every one in this year's index and today's sales log.
  const int64_t highest =
      HighestLoggedTransaction(ventro.files(), ventro.paths.folder, ventro.Now());
  if (highest >= settings.Get(cfg::kNextTransaction) && highest < kHighestTransaction) {
    settings.Set(cfg::kNextTransaction, static_cast<int32_t>(highest + 1));
  }

  Date history_from = settings.Get(cfg::kHistoryFrom);
  RaiseToEarliestYear(history_from);
  settings.Set(cfg::kHistoryFrom, history_from);
  Date first_run = settings.Get(cfg::kFirstRunDate);
  RaiseToEarliestYear(first_run);
  settings.Set(cfg::kFirstRunDate, first_run);
  return 1;
}

bool StartSaleScreen(Ventro& ventro) {
  LocalTime now = ventro.Now();
  ventro.start_day_of_week = now.day_of_week;
  ventro.start_hour = now.hour;
  ventro.start_minute = now.minute;

  if (!Opendata(ventro)) {
    ventro.no_save = true;
    return false;
  }

  SettingsRecord& settings = ventro.settings;
  ventro.previous_start = settings.Get(cfg::kLastStart);
  settings.Set(cfg::kLastStart, StampOf(now));
  if (!SaveSettingsFile(ventro.files(), ventro.paths.settings, settings)) {
    Problem(ventro, "Unable to update the configuration file");
  }

  Tell(ventro.ui(), EnsureYearMonthFolders(ventro.files(), ventro.paths.folder, now));
  std::string line = "\r\n" + DayLogStamp(now) + "  Switched on.\r\n";
  if (!AppendDayText(ventro.files(), ventro.paths.folder, now, line)) {
    Problem(ventro, "Unable to update the log file in WM_CREATE.");
  }

  if (settings.Get(cfg::kCurrencyTaken) != 2) {
    settings.Set(cfg::kCurrencySymbol, ventro.platform.locale.CurrencySymbol().substr(0, 4));
    settings.Set(cfg::kCurrencyTaken, 2);
  }

  Tell(ventro.ui(), EnsureDayFolders(ventro.files(), ventro.paths.folder, now));

  if (settings.Get(cfg::kStartCategory) == 0 &&
      IsCategoryChoice(settings.Get(cfg::kCurrentCategory))) {
    settings.Set(cfg::kStartCategory, settings.Get(cfg::kCurrentCategory) + 1);
  }
  // A start category the file should not hold gives the first-run category, not an overflow.
  const int32_t start = settings.Get(cfg::kStartCategory);
  settings.Set(cfg::kCurrentCategory, IsCategoryChoice(start - int64_t{1})
                                          ? start - 1
                                          : SettingsRecord::kFirstRunCategory);
  FillQuickSelect(ventro.sale_session());
  if (settings.Get(cfg::kPoleInUse) != 0) InitialisePoleDisplay(ventro.platform, settings);
  return true;
}

void Shutdown(Ventro& ventro) {
  if (ventro.no_save) return;
  LocalTime now = ventro.Now();
  SettingsRecord& settings = ventro.settings;
  settings.Set(cfg::kLastStart, StampOf(now));
  if (!SaveSettingsFile(ventro.files(), ventro.paths.settings, settings)) {
    Problem(ventro, "Unable to update the configuration file at close");
  }
  // A failed save of the labels is not reported: the defaults come back at the next start.
  SaveLabelFile(ventro.files(), ventro.paths.language, ventro.labels);

  Tell(ventro.ui(), EnsureYearMonthFolders(ventro.files(), ventro.paths.folder, now));
  int64_t clerk = settings.Get(cfg::kSignedOnClerk);
  std::string clerk_name =
      clerk >= 1 && clerk <= 100 ? settings.Get(cfg::kClerkName, static_cast<int>(clerk)) : "";
  std::string lines =
      "\r\n" + DayLogStamp(now) + "  Switched off.\r\n" +
      StringPrintf("Clerk: %lld, %s\r\n", static_cast<long long>(clerk), clerk_name.c_str());
  if (!AppendDayText(ventro.files(), ventro.paths.folder, now, lines)) {
    Problem(ventro, "Unable to open log text file at end of WinMain.");
  }
}

}  // namespace ventro
