// upload.cfg in the data folder, read and written whole. It holds the head office's password in
// plain text, so it is written readable by its owner only and never through the journal (whose
// copy would outlive it with ordinary permissions).
#pragma once

#include <optional>

#include "formats/upload_config.h"
#include "platform/files.h"

namespace ventro {

inline Path UploadConfigPath(const Path& data_folder) { return data_folder / "upload.cfg"; }

// The record, or nothing when the file is missing. A file of another size is read as far as it
// goes, the rest zeros, so that a short file still keeps the server it names.
std::optional<UploadConfig> LoadUploadConfig(Files& files, const Path& data_folder);

// Replaces upload.cfg whole through a temporary file only its owner may read; false when it
// cannot be written.
bool SaveUploadConfig(const Path& data_folder, const UploadConfig& config);

}  // namespace ventro
