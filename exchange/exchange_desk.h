// What the export, import, backup, restore and history purge commands work on: the platform,
// the settings record, the inventory and customer files, the data folder and the main window
// whose run an import or a restore ends.
#pragma once

#include "formats/settings_record.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "store/master_file.h"

namespace ventro {

struct ExchangeDesk {
  Platform& platform;
  SettingsRecord& settings;
  MasterFile& inventory;
  MasterFile& customers;
  const Path& data_folder;
  Window& window;
  // Set by a restore: the run ends without writing its state over the restored files.
  bool& skip_save_at_exit;

  Ui& ui() const { return platform.ui; }
  Files& files() const { return platform.files; }
};

}  // namespace ventro
