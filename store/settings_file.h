// vt.cfg: the settings record stored byte for byte, with no header. The callers show their own
// messages when loading or saving fails.
#pragma once

#include "formats/settings_record.h"
#include "platform/files.h"

namespace ventro {

enum class SettingsLoad {
  kOk,
  kMissing,    // the file cannot be opened
  kWrongSize,  // shorter or longer than the record: damaged, and not read
};

// Reads the settings file at `path` into `settings`. A file of any other size than the record
// is refused and leaves `settings` as it was.
SettingsLoad LoadSettingsFile(Files& files, const Path& path, SettingsRecord& settings);

// Writes the whole record to `path` through the journal of the folder it lies in, so that a
// failed or interrupted save leaves the previous file whole, or is completed at the next start.
// False when it could not be written.
bool SaveSettingsFile(Files& files, const Path& path, const SettingsRecord& settings);

}  // namespace ventro
