// vt.cfg: the settings record stored byte for byte, with no header. The callers show their own
// messages when loading or saving fails.
#pragma once

#include "formats/settings_record.h"
#include "platform/files.h"

namespace ventro {

// Reads the settings file at `path` into `settings`, as far as the file goes: a shorter file
// leaves the rest of the record as it was, and bytes past the record's size are ignored.
// False when the file cannot be opened.
bool LoadSettingsFile(Files& files, const Path& path, SettingsRecord& settings);

// Writes the whole record to `path` through a temporary file renamed over it, so that a failed
// or interrupted save leaves the previous file whole. False when it could not be written.
bool SaveSettingsFile(Files& files, const Path& path, const SettingsRecord& settings);

}  // namespace ventro
