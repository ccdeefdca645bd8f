#include "store/master_file.h"

#include <algorithm>

#include "base/bytes.h"
#include "base/cp1252.h"
#include "store/journal.h"

namespace ventro {
namespace {

constexpr const char* kProblem = "Problem";
constexpr const char* kFatalError = "Fatal error";

// Records read per call while loading: large sequential reads, but never the whole file.
constexpr size_t kLoadChunkBytes = 1 << 20;

// Where the name that the prefixes are taken from starts in every record kind.
constexpr size_t kNameOffset = 8;

MasterFile::Record BlankRecord(MasterKind kind) {
  switch (kind) {
    case MasterKind::kInventory:
      return InventoryRecord();
    case MasterKind::kCustomer:
      return CustomerRecord();
    case MasterKind::kSupplier:
      break;
  }
  return SupplierRecord();
}

std::string PathText(const Path& path) {
  std::u8string utf8 = path.u8string();
  return Utf8ToCp1252(std::string(utf8.begin(), utf8.end()));
}

uint64_t Offset(int64_t position, size_t record_size) {
  return static_cast<uint64_t>(position) * record_size;
}

}  // namespace

MasterFile::MasterFile(MasterKind kind)
    : kind_(kind),
      index_(kind == MasterKind::kSupplier ? NumberIndex::Sizing::kSupplierBlocks
                                           : NumberIndex::Sizing::kAsNeeded),
      record_(BlankRecord(kind)) {}

size_t MasterFile::record_size() const {
  switch (kind_) {
    case MasterKind::kInventory:
      return InventoryRecord::kSize;
    case MasterKind::kCustomer:
      return CustomerRecord::kSize;
    case MasterKind::kSupplier:
      break;
  }
  return SupplierRecord::kSize;
}

const char* MasterFile::file_name() const {
  switch (kind_) {
    case MasterKind::kInventory:
      return "inventory.dat";
    case MasterKind::kCustomer:
      return "customer.dat";
    case MasterKind::kSupplier:
      break;
  }
  return "suppliers.dat";
}

std::string MasterFile::LoadFailureText(LoadStatus status) const {
  struct Texts {
    const char* missing;
    const char* empty;
    const char* corrupt;
  };
  static constexpr Texts kInventory = {"Unable to open inventory.dat in Opendata",
                                       "inventory.dat has no data in Opendata.",
                                       "Data file inventory.dat corrupt in Opendata."};
  static constexpr Texts kCustomer = {"Data file customer.dat not present in Opendata.",
                                      "Data file customer.dat no data in Opendata.",
                                      "Data file customer.dat corrupt in Opendata."};
  static constexpr Texts kSupplier = {"Data file suppliers.dat not present in Opendata.",
                                      "Data file suppliers.dat no data in Opendata.",
                                      "Data file suppliers.dat corrupt in Opendata."};
  const Texts& texts = kind_ == MasterKind::kInventory  ? kInventory
                       : kind_ == MasterKind::kCustomer ? kCustomer
                                                        : kSupplier;
  switch (status) {
    case LoadStatus::kOk:
      return {};
    case LoadStatus::kMissing:
      return texts.missing;
    case LoadStatus::kEmpty:
      return texts.empty;
    case LoadStatus::kCorrupt:
      break;
  }
  return texts.corrupt;
}

void MasterFile::Reset() {
  index_.Clear();
  prefixes_.clear();
  current_position_ = -1;
  if (observer_) observer_->FileReset(*this);
}

LoadStatus MasterFile::Load(Files& files, const Path& data_folder) {
  Reset();
  path_ = data_folder / file_name();
  std::unique_ptr<File> file = files.Open(path_, OpenMode::kRead);
  if (!file) return LoadStatus::kMissing;
  std::optional<uint64_t> size = file->Size();
  if (!size) return LoadStatus::kMissing;
  if (*size == 0) return LoadStatus::kEmpty;
  const size_t rs = record_size();
  if (*size % rs != 0) return LoadStatus::kCorrupt;
  const int64_t count = static_cast<int64_t>(*size / rs);

  // Free slots are held as -1 so that they sort first; the supplier file keeps its numbers
  // as stored. A free slot has no name prefix, so name scans never visit it.
  const bool normalise_free = kind_ != MasterKind::kSupplier;
  std::vector<IndexEntry> entries;
  entries.reserve(static_cast<size_t>(count));
  if (has_prefixes()) prefixes_.assign(static_cast<size_t>(count), {0, 0});

  const size_t chunk_records = std::max<size_t>(1, kLoadChunkBytes / rs);
  std::vector<uint8_t> chunk(chunk_records * rs);
  for (int64_t first = 0; first < count;) {
    size_t records = std::min<size_t>(chunk_records, static_cast<size_t>(count - first));
    if (file->ReadAt(Offset(first, rs), chunk.data(), records * rs) != records * rs) {
      Reset();
      return LoadStatus::kCorrupt;
    }
    for (size_t i = 0; i < records; ++i) {
      const uint8_t* record = chunk.data() + i * rs;
      int64_t position = first + static_cast<int64_t>(i);
      int64_t number = GetI64(record);
      if (normalise_free && number < 1) number = -1;
      entries.push_back({number, position});
      if (has_prefixes() && number >= 1) {
        prefixes_[static_cast<size_t>(position)] = {record[kNameOffset], record[kNameOffset + 1]};
      }
      if (observer_) observer_->SlotChanged(*this, position, record);
    }
    first += static_cast<int64_t>(records);
  }
  index_.Build(std::move(entries));
  return LoadStatus::kOk;
}

uint8_t* MasterFile::buffer() {
  return std::visit([](auto& record) { return record.data(); }, record_);
}

const uint8_t* MasterFile::buffer() const {
  return std::visit([](const auto& record) { return record.data(); }, record_);
}

void MasterFile::ClearBuffer() {
  std::visit([](auto& record) { record.Clear(); }, record_);
}

std::string MasterFile::NotPresentText() const {
  return std::string("Data file: ") + file_name() + ", not present.";
}

bool MasterFile::ReadAt(Files& files, int64_t position, uint8_t* record) const {
  if (position < 0) return false;
  std::unique_ptr<File> file = files.Open(path_, OpenMode::kRead);
  if (!file) return false;
  return file->ReadAt(Offset(position, record_size()), record, record_size()) == record_size();
}

Status MasterFile::Read(Files& files, int64_t position) {
  std::unique_ptr<File> file = files.Open(path_, OpenMode::kRead);
  if (!file) return Status::Failed(kFatalError, NotPresentText());
  if (position < 0 ||
      file->ReadAt(Offset(position, record_size()), buffer(), record_size()) != record_size()) {
    return Status::Failed(kProblem, std::string("Not able to read ") + file_name());
  }
  current_position_ = position;
  return Status::Ok();
}

Status MasterFile::LookUp(Files& files, int64_t number) {
  std::optional<int64_t> position = FindPosition(number);
  if (!position) return Status::Failed("Finished", "No match found", Severity::kInformation);
  return Read(files, *position);
}

WriteStatus MasterFile::WriteAt(Files& files, int64_t position, const uint8_t* record) const {
  if (!files.Exists(path_)) return WriteStatus::kMissing;
  if (position < 0) return WriteStatus::kFailed;
  FileChange change;
  change.Overwrite(path_, Offset(position, record_size()), RecordBytes(record));
  if (!MadeThroughJournal(files, change)) return WriteStatus::kFailed;
  if (observer_) observer_->SlotChanged(*this, position, record);
  return WriteStatus::kOk;
}

std::string_view MasterFile::RecordBytes(const uint8_t* record) const {
  return {reinterpret_cast<const char*>(record), record_size()};
}

bool MasterFile::MadeThroughJournal(Files& files, const FileChange& change) const {
  const ChangeResult result = MakeChange(files, path_.parent_path(), change);
  // A change kept in the journal is completed at the next start, so it counts as made.
  return result.ok || result.kept;
}

Status MasterFile::WriteBack(Files& files) {
  std::optional<int64_t> position = FindPosition(GetI64(buffer()));
  if (!position) return Status::Failed(kProblem, "Invalid number.");
  switch (WriteAt(files, *position, buffer())) {
    case WriteStatus::kOk:
      return Status::Ok();
    case WriteStatus::kMissing:
      return Status::Failed(kProblem, NotPresentText());
    case WriteStatus::kFailed:
      break;
  }
  return Status::Failed(kProblem, PathText(path_));
}

Status MasterFile::Add(Files& files) {
  const int64_t number = GetI64(buffer());
  if (number < 1) return Status::Failed(kProblem, "Invalid number.");
  if (index_.Contains(number)) return Status::Failed(kProblem, "Number in use.");
  // The record goes to the file first; the index, prefixes and counts follow only once it is
  // there, so a failed write leaves memory and file in step.
  const int64_t position = index_.NextAddPosition();
  const bool append = !index_.NextAddReusesSlot();
  if (!files.Exists(path_)) return Status::Failed(kFatalError, NotPresentText());
  // An appended record is cut back with the rest of the change when the write fails, so the
  // file always holds a whole number of records.
  FileChange change;
  const uint64_t offset = Offset(position, record_size());
  if (append) {
    change.Append(path_, offset, RecordBytes(buffer()));
  } else {
    change.Overwrite(path_, offset, RecordBytes(buffer()));
  }
  if (!MadeThroughJournal(files, change)) {
    return Status::Failed(kProblem, std::string("Not able to write to ") + file_name());
  }

  index_.Add(number);
  if (has_prefixes()) {
    if (append) prefixes_.push_back({0, 0});
    UpdatePrefix(position, buffer());
  }
  if (observer_) observer_->SlotChanged(*this, position, buffer());
  current_position_ = position;
  return Status::Ok();
}

std::optional<int64_t> MasterFile::Delete(int64_t number) {
  std::optional<int64_t> position = index_.Delete(number);
  if (position && has_prefixes()) prefixes_[static_cast<size_t>(*position)] = {0, 0};
  if (position && observer_) observer_->SlotFreed(*this, *position);
  return position;
}

std::array<uint8_t, 2> MasterFile::prefix(int64_t position) const {
  if (position < 0 || static_cast<size_t>(position) >= prefixes_.size()) return {0, 0};
  return prefixes_[static_cast<size_t>(position)];
}

void MasterFile::UpdatePrefix(int64_t position, const uint8_t* record) {
  if (position < 0 || static_cast<size_t>(position) >= prefixes_.size()) return;
  prefixes_[static_cast<size_t>(position)] = {record[kNameOffset], record[kNameOffset + 1]};
  if (observer_) observer_->SlotChanged(*this, position, record);
}

}  // namespace ventro
