// What the reports over the day logs read and print with.
#pragma once

#include "formats/settings_record.h"
#include "platform/platform.h"

namespace ventro {

struct ReportDesk {
  Platform& platform;
  const SettingsRecord& settings;
  const Path& data_folder;
};

}  // namespace ventro
