#include "platform/whole_file.h"

#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace ventro {

bool FinishWholeFile(std::FILE* file, const Path& temporary, const Path& path,
                     std::string_view bytes) {
  bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
#ifndef _WIN32
  written = written && fsync(fileno(file)) == 0;
#endif
  if (std::fclose(file) != 0) written = false;
  std::error_code error;
  if (written) std::filesystem::rename(temporary, path, error);
  if (!written || error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

}  // namespace ventro
