// The remaining platform pieces of a script run: no sound, the shell's requests written to the
// transcript, and the folder of the program.
#pragma once

#include <ostream>

#include "platform/files.h"
#include "platform/shell.h"
#include "platform/sound.h"

namespace ventro::script {

class SilentSound : public Sound {
 public:
  void Play(SoundId) override {}
};

// Opens nothing: writes `open "TARGET"` to the transcript.
class LoggingShell : public Shell {
 public:
  explicit LoggingShell(std::ostream& transcript) : transcript_(transcript) {}
  bool Open(const std::string& target) override;

 private:
  std::ostream& transcript_;
};

// The folder holding the running program (and its starter files).
Path ProgramFolder(const char* argv0);

}  // namespace ventro::script
