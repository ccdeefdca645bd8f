// The activity summary: one day's figures shown in the status window, printed, exported as a
// text file, handed to the mail program, or written as the head office's report file.
#pragma once

#include <string>

#include "base/status.h"
#include "formats/settings_record.h"
#include "platform/platform.h"
#include "store/master_file.h"

namespace ventro {

// What the activity summary works on: the platform, the settings (store name, next
// transaction number, last backup), the two master files for their counts, the data folder,
// this run's switch-on and the switch-off before it, and the selected day.
struct ActivityDesk {
  Platform& platform;
  const SettingsRecord& settings;
  const MasterFile& inventory;
  const MasterFile& customers;
  Path data_folder;
  int on_hour = 0;
  int on_minute = 0;
  TimeStamp last_switch_off;
  // The day the export and the mail link are of, kept for the run; a day of 0 (nothing chosen
  // yet) is taken as today.
  Date& selected_day;
};

// The highest number of a live record in `file`, 0 when it holds none.
int64_t HighestLiveNumber(const MasterFile& file);

// The status window (814) of today; the selected day becomes today.
void ShowDailyStatus(ActivityDesk& desk);
// The status window of a day chosen in THEPICK, which becomes the selected day.
void ShowPickedDailyStatus(ActivityDesk& desk);
// Today's summary printed on one page (the selected day becomes today).
void PrintActivitySummary(ActivityDesk& desk);
// The selected day's summary saved as a text file the user names. The file is replaced whole
// or not at all: a failed write leaves the old file and says "Unable to open file.".
void ExportActivitySummary(ActivityDesk& desk);
// The selected day's summary handed to the mail program as a "mailto:" link.
void MailActivitySummary(ActivityDesk& desk);

// Today's report for head office written whole as `file_name` in the data folder (the
// selected day becomes today). "Unable to produce report file." titled "Problem" when it
// cannot be written.
Status WriteActivityReportFile(ActivityDesk& desk, const std::string& file_name);

}  // namespace ventro
