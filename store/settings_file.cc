#include "store/settings_file.h"

namespace ventro {

bool LoadSettingsFile(Files& files, const Path& path, SettingsRecord& settings) {
  auto file = files.Open(path, OpenMode::kRead);
  if (!file) return false;
  file->ReadAt(0, settings.data(), SettingsRecord::kSize);
  return true;
}

bool SaveSettingsFile(Files& files, const Path& path, const SettingsRecord& settings) {
  return files.WriteWhole(path, settings.view());
}

}  // namespace ventro
