#include "platform/owner_only_file.h"

#include <cstdio>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/whole_file.h"

namespace ventro {
namespace {

std::FILE* CreateOwnerOnly(const Path& path) {
#ifdef _WIN32
  return _wfopen(path.c_str(), L"wb");
#else
  const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (descriptor < 0) return nullptr;
  // open() keeps the mode of a file that already exists.
  if (fchmod(descriptor, 0600) != 0) {
    close(descriptor);
    return nullptr;
  }
  std::FILE* file = fdopen(descriptor, "wb");
  if (!file) close(descriptor);
  return file;
#endif
}

}  // namespace

bool WriteOwnerOnlyFile(const Path& path, std::string_view bytes) {
  Path temporary = path;
  temporary += ".new";
  std::FILE* file = CreateOwnerOnly(temporary);
  if (!file) return false;
  return FinishWholeFile(file, temporary, path, bytes);
}

}  // namespace ventro
