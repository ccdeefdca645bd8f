// A file mapped into memory for reading, where the system maps files.
#pragma once

#include <memory>

#include "platform/files.h"

namespace ventro {

// A view of the regular file at `path` mapped into memory; nullptr when it cannot be mapped:
// a missing or empty file, anything but a regular file, or a system without mapping.
std::unique_ptr<FileView> MapFile(const Path& path);

}  // namespace ventro
