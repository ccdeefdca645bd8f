#include "exchange/history_purge.h"

#include <string>

#include "base/format.h"
#include "platform/tell.h"
#include "store/day_log.h"
#include "store/settings_file.h"

namespace ventro {
namespace {

constexpr int kFirstHistoryYear = 2000;

// The files and folders of one year; true when the year's folder is gone afterwards.
bool PurgeYear(Files& files, const Path& year) {
  files.Remove(year / "base.dat");
  for (int month = 1; month <= 12; ++month) {
    const Path month_folder = year / std::to_string(month);
    files.Remove(month_folder / "base.dat");
    for (int day = 1; day <= 31; ++day) {
      const Path day_folder = month_folder / std::to_string(day);
      for (const char* log : {"base.dat", "saleslog.dat", "itemslog.dat", "ininvent.dat"}) {
        files.Remove(day_folder / log);
      }
      files.RemoveEmptyDirectory(day_folder);
      files.Remove(month_folder / (std::to_string(day) + ".txt"));
    }
    files.RemoveEmptyDirectory(month_folder);
  }
  return files.RemoveEmptyDirectory(year);
}

}  // namespace

bool PurgeHistory(Ui& ui, Files& files, const Path& data_folder, int year,
                  SettingsRecord& settings) {
  if (year < kFirstHistoryYear) return false;
  bool all_gone = true;
  for (;;) {
    if (!PurgeYear(files, data_folder / std::to_string(year))) {
      ui.Message(
          "Unable to complete purge, access denied.",
          StringPrintf("Please manually delete the %d folder in the Users AppData folder.", year),
          Icon::kWarning);
      all_gone = false;
    }
    --year;
    if (year < kFirstHistoryYear ||
        !files.Exists(data_folder / std::to_string(year) / "base.dat")) {
      break;
    }
  }
  settings.Set(cfg::kNextTransaction, 1);
  return all_gone;
}

void PurgeHistoryCommand(const ExchangeDesk& desk) {
  Ui& ui = desk.ui();
  if (ui.Message("Important", "All history will be purged and the transaction set to 1",
                 Icon::kWarning, Buttons::kOkCancel) != Answer::kOk) {
    return;
  }
  const LocalTime now = desk.platform.clock.Now();
  const bool purged = PurgeHistory(ui, desk.files(), desk.data_folder, now.year, desk.settings);
  // The restarted numbering is kept at once, so a crash cannot bring back numbers whose
  // history is gone.
  if (!SaveSettingsFile(desk.files(), desk.data_folder / "vt.cfg", desk.settings)) {
    ui.Message("Problem", (desk.data_folder / "vt.cfg").string(), Icon::kWarning);
  }
  if (!purged) return;
  Tell(ui, EnsureDayFolders(desk.files(), desk.data_folder, now));
  desk.window.ScreenChanged();
  ui.Message("Transaction history purge", "Complete", Icon::kInformation);
}

}  // namespace ventro
