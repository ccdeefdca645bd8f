// The end of every whole-file replacement: the bytes written to a temporary file beside the
// target, flushed to the disk, and the temporary file renamed over the target, so that a crash
// leaves the old content or the new one, never a short file.
#pragma once

#include <cstdio>
#include <string_view>

#include "platform/files.h"

namespace ventro {

// Writes `bytes` to `file`, open on `temporary`, and closes it; then renames `temporary` over
// `path`. On any failure the temporary file is removed, `path` is left as it was and the
// result is false.
bool FinishWholeFile(std::FILE* file, const Path& temporary, const Path& path,
                     std::string_view bytes);

}  // namespace ventro
