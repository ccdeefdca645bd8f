// What the inventory maintenance and search commands work on: the platform, the settings
// record, inventory.dat with its index and prefixes, and the data folder that holds the day
// text log and the pictures.
#pragma once

#include "formats/settings_record.h"
#include "platform/platform.h"
#include "store/master_file.h"

namespace ventro {

struct InventoryDesk {
  Platform& platform;
  SettingsRecord& settings;
  MasterFile& inventory;
  const Path& data_folder;

  Ui& ui() const { return platform.ui; }
  Files& files() const { return platform.files; }
  // The local time, read afresh.
  LocalTime Now() const { return platform.clock.Now(); }
  // The error sound of a refused entry and the completion sound, unless sounds are off.
  void PlayError() const {
    if (settings.Get(cfg::kSoundsOff) == 0) platform.sound.Play(SoundId::kError);
  }
  void PlayDone() const {
    if (settings.Get(cfg::kSoundsOff) == 0) platform.sound.Play(SoundId::kDone);
  }
};

}  // namespace ventro
