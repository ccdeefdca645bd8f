#include "script/script_system.h"

#include "script/script_line.h"

namespace ventro::script {

bool LoggingShell::Open(const std::string& target) {
  transcript_ << "open " << Quote(target) << std::endl;
  return true;
}

Path ProgramFolder(const char* argv0) {
  std::error_code error;
#ifndef _WIN32
  Path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path();
#endif
  Path program = std::filesystem::absolute(argv0, error);
  return program.parent_path();
}

}  // namespace ventro::script
