// Changes to several data files made all or nothing. The whole change is first written to one
// journal file in the data folder, with a checksum, and flushed to the disk; only then do the
// data files receive it, are flushed once, and the journal is removed. A journal found at the
// next start is either complete, and its change is applied again (every part writes at a known
// offset, so applying it twice gives the same bytes), or torn, and then none of it reached the
// data files and it is dropped.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace ventro {

// The journal's name in the data folder.
inline constexpr char kJournalFileName[] = "journal.dat";

// One change to files of the data folder, as the parts that make it, in order.
class FileChange {
 public:
  enum class Kind : uint8_t {
    kOverwrite = 1,  // `bytes` over the file at `offset`; the file must exist
    kAppend = 2,     // the file cut to `offset` bytes, then `bytes` added; made when missing
    kReplace = 3,    // the file becomes `bytes`; made when missing
  };
  struct Part {
    Kind kind;
    Path file;
    uint64_t offset = 0;
    std::string bytes;
    bool operator==(const Part&) const = default;
  };

  void Overwrite(const Path& file, uint64_t offset, std::string_view bytes);
  // An append from the size the file had when the change was made, so that applying it again
  // gives the same file.
  void Append(const Path& file, uint64_t start, std::string_view bytes);
  void Replace(const Path& file, std::string_view bytes);

  const std::vector<Part>& parts() const { return parts_; }
  bool empty() const { return parts_.empty(); }

 private:
  std::vector<Part> parts_;
};

// The journal's bytes for `change`, its files named relative to `data_folder`; nothing when a
// file lies outside the data folder.
std::optional<std::string> EncodeJournal(const FileChange& change, const Path& data_folder);
// The change a journal holds, its files under `data_folder`; nothing when the journal is torn,
// damaged or names a file outside the data folder.
std::optional<FileChange> DecodeJournal(std::string_view bytes, const Path& data_folder);

// The outcome of a change; `failed` names the file that could not be written (a data file or
// the journal itself). `kept`: the change could neither be finished nor put back, and stays in
// the journal, which makes it at the next start; it counts as made.
struct ChangeResult {
  bool ok = true;
  Path failed;
  bool kept = false;
};

// Makes `change` through the journal of `data_folder`. When the journal cannot be written,
// a file cannot be opened for writing, or a part cannot be written, nothing is changed: what
// was already written is put back and the journal removed. Only when even putting back fails
// does the journal stay (`kept`), to complete the change at the next start; every later change
// is then refused until that start.
ChangeResult MakeChange(Files& files, const Path& data_folder, const FileChange& change);

enum class Recovery {
  kNone,       // no journal
  kCompleted,  // a complete journal was applied again and removed
  kDropped,    // a torn journal was removed; nothing of it had reached the files
  kFailed,     // a complete journal could not be applied; it stays for the next start
};
struct RecoveryResult {
  Recovery recovery = Recovery::kNone;
  Path failed;  // the file that could not be written, for kFailed
};

// At start, before anything is read: completes or drops the journal left by an interrupted
// change.
RecoveryResult RecoverJournal(Files& files, const Path& data_folder);

}  // namespace ventro
