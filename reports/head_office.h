// The head office's reports: the setup of the server and the names (THEUPLOAD), and the day's
// report files written in the data folder ready to be sent.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "formats/upload_config.h"
#include "platform/upload_host.h"
#include "reports/activity_summary.h"

namespace ventro {

// The activity summary's inputs, the settings whose three upload flags the setup changes (kept
// with the rest of the settings when the program saves them), and the protocols files can be
// sent by, which the setup offers.
struct HeadOfficeDesk {
  ActivityDesk activity;
  SettingsRecord& settings;
  std::vector<UploadProtocol> protocols;
};

// What one upload sends: a copy of the configuration (the thread sending it never shares the
// record being edited) and the names of the files written, in the order overview, items,
// reorder.
struct UploadJob {
  UploadConfig config;
  std::vector<std::string> files;
};

// THEUPLOAD over upload.cfg (zeros when missing). On OK the names are checked ("Invalid upload
// filename %s"; the dialog comes back with the values typed), upload.cfg is written and the
// three flags set. False on Cancel or when upload.cfg cannot be written.
bool SetUpHeadOfficeReports(HeadOfficeDesk& desk);

// Loads upload.cfg (running the setup when it is missing), checks the names and writes the
// selected report files of today in the data folder. Nothing when a message stopped it; then no
// file is to be sent.
std::optional<UploadJob> PrepareHeadOfficeReports(HeadOfficeDesk& desk);

}  // namespace ventro
