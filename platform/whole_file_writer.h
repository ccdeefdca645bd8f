// A file replaced whole from bytes given piece by piece, for a file too large to be held in
// memory at once: the pieces go to a temporary file beside it, which is flushed to the disk and
// renamed over the file only when all are written, so that a crash or a failed write leaves the
// old content whole.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/files.h"

namespace ventro {

class WholeFileWriter {
 public:
  // Starts replacing `path`. An existing file that cannot be opened for writing, as a read-only
  // one, is never replaced: ok() is then false, as when the temporary file cannot be made.
  WholeFileWriter(Files& files, const Path& path);
  // Without a successful Commit, removes the temporary file; the file stays as it was.
  ~WholeFileWriter();
  WholeFileWriter(const WholeFileWriter&) = delete;
  WholeFileWriter& operator=(const WholeFileWriter&) = delete;

  bool ok() const { return file_ != nullptr; }
  // Starts the new file with the first `bytes` of the old one, copied by the file system
  // rather than through memory; before any Write. False when the copy failed.
  bool StartFromOld(uint64_t bytes);
  // Adds `bytes` after those written so far; false when they could not all be written.
  bool Write(std::string_view bytes);
  // Flushes what was written to the disk and puts the new file in place; false when it could
  // not, the old file then left as it was. Once only.
  bool Commit();

 private:
  Files& files_;
  Path path_;
  Path temporary_;
  std::unique_ptr<File> file_;
  bool failed_ = false;
  bool committed_ = false;
};

}  // namespace ventro
