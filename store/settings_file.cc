#include "store/settings_file.h"

#include "store/journal.h"

namespace ventro {

SettingsLoad LoadSettingsFile(Files& files, const Path& path, SettingsRecord& settings) {
  auto file = files.Open(path, OpenMode::kRead);
  if (!file) return SettingsLoad::kMissing;
  if (file->Size() != SettingsRecord::kSize) return SettingsLoad::kWrongSize;
  SettingsRecord loaded;
  if (file->ReadAt(0, loaded.data(), SettingsRecord::kSize) != SettingsRecord::kSize) {
    return SettingsLoad::kWrongSize;
  }
  settings = loaded;
  return SettingsLoad::kOk;
}

bool SaveSettingsFile(Files& files, const Path& path, const SettingsRecord& settings) {
  FileChange change;
  change.Replace(path, settings.view());
  return MakeChange(files, path.parent_path(), change).ok;
}

}  // namespace ventro
