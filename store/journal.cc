#include "store/journal.h"

#include <array>
#include <cstring>
#include <map>
#include <memory>

namespace ventro {
namespace {

// Journal layout, little-endian: "VJNL", the number of parts, each part as its kind (u8), the
// length of its file name (u16), the name relative to the data folder with '/' between folders,
// the offset (u64), the length of its bytes (u64) and the bytes; then the CRC-32 of everything
// before it.
constexpr char kMagic[4] = {'V', 'J', 'N', 'L'};
constexpr size_t kCrcSize = 4;

constexpr std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

uint32_t Crc32(std::string_view bytes) {
  static constexpr std::array<uint32_t, 256> kTable = MakeCrcTable();
  uint32_t crc = 0xFFFFFFFFu;
  for (char ch : bytes) crc = kTable[(crc ^ static_cast<uint8_t>(ch)) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

template <typename T>
void Put(std::string& out, T value) {
  char bytes[sizeof value];
  std::memcpy(bytes, &value, sizeof value);
  out.append(bytes, sizeof value);
}

// Reads the journal from front to back; every read fails once the bytes run out.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  template <typename T>
  bool Get(T& value) {
    if (bytes_.size() < sizeof value) return false;
    std::memcpy(&value, bytes_.data(), sizeof value);
    bytes_.remove_prefix(sizeof value);
    return true;
  }
  bool Take(uint64_t length, std::string_view& out) {
    if (bytes_.size() < length) return false;
    out = bytes_.substr(0, static_cast<size_t>(length));
    bytes_.remove_prefix(static_cast<size_t>(length));
    return true;
  }
  bool done() const { return bytes_.empty(); }

 private:
  std::string_view bytes_;
};

// A name the journal may hold: relative, under the data folder, naming a file.
bool IsSafeName(const Path& name) {
  if (name.empty() || name.has_root_name() || name.has_root_directory()) return false;
  for (const Path& element : name) {
    if (element == ".." || element == "." || element.empty()) return false;
  }
  return true;
}

bool IsKnownKind(uint8_t kind) {
  return kind >= static_cast<uint8_t>(FileChange::Kind::kOverwrite) &&
         kind <= static_cast<uint8_t>(FileChange::Kind::kReplace);
}

// The files of one change, each opened once and flushed once.
class OpenFiles {
 public:
  explicit OpenFiles(Files& files) : files_(files) {}

  // The open file at `path`; made when `create`. nullptr when it cannot be opened for writing.
  File* Get(const Path& path, bool create) {
    auto found = open_.find(path);
    if (found != open_.end()) return found->second.get();
    std::unique_ptr<File> file =
        files_.Open(path, create ? OpenMode::kAppendCreate : OpenMode::kReadWrite);
    if (!file) return nullptr;
    return (open_[path] = std::move(file)).get();
  }
  // Flushes every file to the disk, in one flush of the file system when there are several;
  // the first that fails.
  std::optional<Path> SyncAll(const Path& data_folder) {
    if (open_.size() > 1 && files_.SyncFileSystem(data_folder)) return std::nullopt;
    for (auto& [path, file] : open_) {
      if (!file->Sync()) return path;
    }
    return std::nullopt;
  }
  void CloseAll() { open_.clear(); }

 private:
  Files& files_;
  std::map<Path, std::unique_ptr<File>> open_;
};

bool ApplyPart(File& file, const FileChange::Part& part) {
  const char* data = part.bytes.data();
  const size_t length = part.bytes.size();
  switch (part.kind) {
    case FileChange::Kind::kOverwrite:
      return file.WriteAt(part.offset, data, length);
    case FileChange::Kind::kAppend:
      return file.Truncate(part.offset) && file.WriteAt(part.offset, data, length);
    case FileChange::Kind::kReplace:
      return file.WriteAt(0, data, length) && file.Truncate(length);
  }
  return false;
}

// What a part's file held before the change, to put back when the change cannot be made.
struct Before {
  bool existed = false;
  uint64_t size = 0;
  std::string bytes;  // the bytes the part covers (kOverwrite) or the whole file (kReplace)
};

std::optional<Before> ReadBefore(File& file, const FileChange::Part& part) {
  Before before;
  before.existed = true;
  std::optional<uint64_t> size = file.Size();
  if (!size) return std::nullopt;
  before.size = *size;
  uint64_t from = 0, to = 0;
  if (part.kind == FileChange::Kind::kOverwrite) {
    from = std::min(part.offset, *size);
    to = std::min(part.offset + part.bytes.size(), *size);
  } else if (part.kind == FileChange::Kind::kReplace) {
    to = *size;
  }
  before.bytes.resize(static_cast<size_t>(to - from));
  if (file.ReadAt(from, before.bytes.data(), before.bytes.size()) != before.bytes.size()) {
    return std::nullopt;
  }
  return before;
}

// True when the file still holds what it held before `part` (a write that failed may have
// written nothing), so that nothing needs to be put back.
bool Unchanged(File& file, const FileChange::Part& part, const Before& before) {
  if (part.kind == FileChange::Kind::kAppend || file.Size() != before.size) return false;
  const uint64_t from = part.kind == FileChange::Kind::kOverwrite ? part.offset : 0;
  std::string now(before.bytes.size(), '\0');
  return file.ReadAt(from, now.data(), now.size()) == now.size() && now == before.bytes;
}

bool PutBack(File& file, const FileChange::Part& part, const Before& before) {
  if (Unchanged(file, part, before)) return true;
  switch (part.kind) {
    case FileChange::Kind::kOverwrite:
      return file.WriteAt(part.offset, before.bytes.data(), before.bytes.size()) &&
             (before.size >= part.offset + part.bytes.size() || file.Truncate(before.size));
    case FileChange::Kind::kAppend:
      return file.Truncate(std::min(part.offset, before.size));
    case FileChange::Kind::kReplace:
      return file.WriteAt(0, before.bytes.data(), before.bytes.size()) &&
             file.Truncate(before.size);
  }
  return false;
}

// True when a complete journal is waiting for the next start. A torn one is removed.
bool JournalPending(Files& files, const Path& journal, const Path& data_folder) {
  if (!files.Exists(journal)) return false;
  std::optional<std::string> bytes = files.ReadAll(journal);
  if (bytes && DecodeJournal(*bytes, data_folder)) return true;
  return !files.Remove(journal);
}

}  // namespace

void FileChange::Overwrite(const Path& file, uint64_t offset, std::string_view bytes) {
  parts_.push_back({Kind::kOverwrite, file, offset, std::string(bytes)});
}

void FileChange::Append(const Path& file, uint64_t start, std::string_view bytes) {
  parts_.push_back({Kind::kAppend, file, start, std::string(bytes)});
}

void FileChange::Replace(const Path& file, std::string_view bytes) {
  parts_.push_back({Kind::kReplace, file, 0, std::string(bytes)});
}

std::optional<std::string> EncodeJournal(const FileChange& change, const Path& data_folder) {
  std::string out(kMagic, sizeof kMagic);
  Put<uint32_t>(out, static_cast<uint32_t>(change.parts().size()));
  for (const FileChange::Part& part : change.parts()) {
    const Path name = part.file.lexically_relative(data_folder);
    const std::string text = name.generic_string();
    if (!IsSafeName(name) || text.size() > UINT16_MAX) return std::nullopt;
    Put<uint8_t>(out, static_cast<uint8_t>(part.kind));
    Put<uint16_t>(out, static_cast<uint16_t>(text.size()));
    out += text;
    Put<uint64_t>(out, part.offset);
    Put<uint64_t>(out, part.bytes.size());
    out += part.bytes;
  }
  Put<uint32_t>(out, Crc32(out));
  return out;
}

std::optional<FileChange> DecodeJournal(std::string_view bytes, const Path& data_folder) {
  if (bytes.size() < sizeof kMagic + sizeof(uint32_t) + kCrcSize) return std::nullopt;
  if (bytes.substr(0, sizeof kMagic) != std::string_view(kMagic, sizeof kMagic)) {
    return std::nullopt;
  }
  const std::string_view body = bytes.substr(0, bytes.size() - kCrcSize);
  uint32_t crc = 0;
  std::memcpy(&crc, bytes.data() + body.size(), kCrcSize);
  if (crc != Crc32(body)) return std::nullopt;

  Reader reader(body.substr(sizeof kMagic));
  uint32_t count = 0;
  if (!reader.Get(count)) return std::nullopt;
  FileChange change;
  for (uint32_t k = 0; k < count; ++k) {
    uint8_t kind = 0;
    uint16_t name_length = 0;
    uint64_t offset = 0, length = 0;
    std::string_view name, data;
    if (!reader.Get(kind) || !IsKnownKind(kind) || !reader.Get(name_length) ||
        !reader.Take(name_length, name) || !reader.Get(offset) || !reader.Get(length) ||
        !reader.Take(length, data)) {
      return std::nullopt;
    }
    const Path relative(name);
    if (!IsSafeName(relative)) return std::nullopt;
    const Path file = data_folder / relative;
    switch (static_cast<FileChange::Kind>(kind)) {
      case FileChange::Kind::kOverwrite:
        change.Overwrite(file, offset, data);
        break;
      case FileChange::Kind::kAppend:
        change.Append(file, offset, data);
        break;
      case FileChange::Kind::kReplace:
        change.Replace(file, data);
        break;
    }
  }
  if (!reader.done()) return std::nullopt;
  return change;
}

ChangeResult MakeChange(Files& files, const Path& data_folder, const FileChange& change) {
  const Path journal = data_folder / kJournalFileName;
  if (JournalPending(files, journal, data_folder)) return {false, journal};
  std::optional<std::string> encoded = EncodeJournal(change, data_folder);
  if (!encoded) return {false, change.parts().front().file};

  // Every file is opened and what the change covers is read before the journal is written,
  // so that a file that cannot be written refuses the change with nothing changed.
  const std::vector<FileChange::Part>& parts = change.parts();
  OpenFiles open(files);
  std::vector<Before> before(parts.size());
  for (size_t k = 0; k < parts.size(); ++k) {
    const FileChange::Part& part = parts[k];
    if (!files.Exists(part.file)) {
      if (part.kind == FileChange::Kind::kOverwrite) return {false, part.file};
      continue;  // made when the change is applied
    }
    File* file = open.Get(part.file, false);
    std::optional<Before> read = file ? ReadBefore(*file, part) : std::nullopt;
    if (!read) return {false, part.file};
    before[k] = std::move(*read);
  }

  {
    std::unique_ptr<File> file = files.Open(journal, OpenMode::kAppendCreate);
    const bool written =
        file && file->Truncate(0) && file->Append(encoded->data(), encoded->size()) && file->Sync();
    file.reset();
    if (!written) {
      files.Remove(journal);
      return {false, journal};
    }
  }

  std::optional<Path> failed;
  size_t applied = 0;
  for (; applied < parts.size() && !failed; ++applied) {
    const FileChange::Part& part = parts[applied];
    File* file = open.Get(part.file, true);
    if (!file || !ApplyPart(*file, part)) failed = part.file;
  }
  if (!failed) failed = open.SyncAll(data_folder);
  if (!failed) {
    open.CloseAll();
    // A journal that cannot be removed is applied once more at the next start, which gives
    // the same bytes; until then further changes are refused.
    files.Remove(journal);
    return {};
  }

  // Put back, last part first, what this change wrote; files it made are removed.
  bool put_back = true;
  for (size_t k = applied; k-- > 0;) {
    if (!before[k].existed) continue;
    File* file = open.Get(parts[k].file, false);
    put_back = file && PutBack(*file, parts[k], before[k]) && put_back;
  }
  put_back = !open.SyncAll(data_folder) && put_back;
  open.CloseAll();
  for (size_t k = 0; k < applied; ++k) {
    if (!before[k].existed) put_back = files.Remove(parts[k].file) && put_back;
  }
  if (put_back) files.Remove(journal);
  return {false, *failed, !put_back};
}

RecoveryResult RecoverJournal(Files& files, const Path& data_folder) {
  const Path journal = data_folder / kJournalFileName;
  if (!files.Exists(journal)) return {};
  std::optional<std::string> bytes = files.ReadAll(journal);
  if (!bytes) return {Recovery::kFailed, journal};
  std::optional<FileChange> change = DecodeJournal(*bytes, data_folder);
  if (!change) {
    if (!files.Remove(journal)) return {Recovery::kFailed, journal};
    return {Recovery::kDropped, {}};
  }
  OpenFiles open(files);
  for (const FileChange::Part& part : change->parts()) {
    File* file = open.Get(part.file, part.kind != FileChange::Kind::kOverwrite);
    if (!file || !ApplyPart(*file, part)) return {Recovery::kFailed, part.file};
  }
  if (std::optional<Path> failed = open.SyncAll(data_folder)) return {Recovery::kFailed, *failed};
  open.CloseAll();
  if (!files.Remove(journal)) return {Recovery::kFailed, journal};
  return {Recovery::kCompleted, {}};
}

}  // namespace ventro
