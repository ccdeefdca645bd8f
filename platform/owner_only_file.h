// A whole file holding a secret, replaced through a temporary file renamed over it that only its
// owner may read or write from the moment it is created, whatever the permissions of the file
// it replaces or of a temporary file an earlier run left behind.
#pragma once

#include <string_view>

#include "platform/files.h"

namespace ventro {

// False when the file cannot be written; the old file is then left as it was.
bool WriteOwnerOnlyFile(const Path& path, std::string_view bytes);

}  // namespace ventro
