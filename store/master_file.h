// A master file (inventory.dat, customer.dat or suppliers.dat) as the program works with it:
// the file of fixed-size records on disk, its number index and name prefixes in memory, and
// the one record buffer that every operation on that file reads into and writes from. The
// file is opened and closed within each operation.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/status.h"
#include "formats/customer_record.h"
#include "formats/inventory_record.h"
#include "formats/supplier_record.h"
#include "platform/files.h"
#include "store/number_index.h"

namespace ventro {

class FileChange;

enum class MasterKind { kInventory, kCustomer, kSupplier };

class MasterFile;

// Told of every change a MasterFile makes to its records, after it is made, so that an index
// kept outside the file (such as the barcode index) stays in step with it.
class MasterFileObserver {
 public:
  virtual ~MasterFileObserver() = default;
  // The records known so far are gone: the file is being loaded again (every record is then
  // reported through SlotChanged) or its load failed.
  virtual void FileReset(const MasterFile& file) = 0;
  // Slot `position` holds `record` (record_size() bytes): loaded, written, added, or its name
  // prefix changed.
  virtual void SlotChanged(const MasterFile& file, int64_t position, const uint8_t* record) = 0;
  // Slot `position` became free.
  virtual void SlotFreed(const MasterFile& file, int64_t position) = 0;
};

enum class LoadStatus { kOk, kMissing, kEmpty, kCorrupt };

// Outcome of a silent record write.
enum class WriteStatus { kOk, kMissing, kFailed };

class MasterFile {
 public:
  // Title of the start-up messages for a file that cannot be loaded.
  static constexpr const char* kLoadFailureTitle = "Fatal error";

  using Record = std::variant<InventoryRecord, CustomerRecord, SupplierRecord>;

  explicit MasterFile(MasterKind kind);

  MasterKind kind() const { return kind_; }

  // The one observer of this file's changes, or nullptr; the observer must outlive the file
  // or detach itself first.
  void set_observer(MasterFileObserver* observer) { observer_ = observer; }
  size_t record_size() const;
  // "inventory.dat", "customer.dat" or "suppliers.dat".
  const char* file_name() const;
  // The file's full path; empty before Load.
  const Path& path() const { return path_; }

  // Reads the file `file_name()` in `data_folder` once and builds the index and the name
  // prefixes; shows nothing. Inventory and customer records numbered below 1 are free slots
  // (held as -1). On failure the index is left empty.
  LoadStatus Load(Files& files, const Path& data_folder);
  // The start-up message for a failed load of this file ("Unable to open inventory.dat in
  // Opendata", ...), shown titled kLoadFailureTitle.
  std::string LoadFailureText(LoadStatus status) const;

  // --- the record buffer ---
  uint8_t* buffer();
  const uint8_t* buffer() const;
  // The buffer as a typed record; only for the file's own kind.
  InventoryRecord& item() { return std::get<InventoryRecord>(record_); }
  CustomerRecord& customer() { return std::get<CustomerRecord>(record_); }
  SupplierRecord& supplier() { return std::get<SupplierRecord>(record_); }
  void ClearBuffer();

  // Slot of the record last read into the buffer (or added from it); -1 before any.
  int64_t current_position() const { return current_position_; }
  void set_current_position(int64_t position) { current_position_ = position; }

  // --- lookups and reads ---
  // Slot of live record `number`; silent.
  std::optional<int64_t> FindPosition(int64_t number) const { return index_.FindPosition(number); }
  // Reads slot `position` into `record` (record_size() bytes); silent.
  bool ReadAt(Files& files, int64_t position, uint8_t* record) const;
  // Reads slot `position` into the buffer and makes it the current position. Fails with
  // "Data file: <name>, not present." titled "Fatal error" for a missing file, "Not able to
  // read <name>" titled "Problem" for a short read.
  Status Read(Files& files, int64_t position);
  // Finds `number` and reads its record into the buffer. Not in the index: fails with "No
  // match found" titled "Finished" (an information). File failures as Read.
  Status LookUp(Files& files, int64_t number);

  // --- writes ---
  // Writes `record` over slot `position` through the data folder's journal, so a record is
  // never left half written; silent, for callers with their own messages.
  WriteStatus WriteAt(Files& files, int64_t position, const uint8_t* record) const;
  // Writes the buffer over the slot the index gives for the buffer's number. Fails, titled
  // "Problem", with "Invalid number." for a number below 1 or not in the index, "Data file:
  // <name>, not present." for a missing file, and the file's path for a failed write.
  Status WriteBack(Files& files);
  // Stores the buffer as a new record in the oldest free slot or at the end of the file, enters
  // it in the index and prefixes and makes that slot the current position. Fails with "Number
  // in use." (or "Invalid number." below 1) titled "Problem", "Data file: <name>, not
  // present." titled "Fatal error" for a missing file, "Not able to write to <name>" titled
  // "Problem" for a failed write. On any failure the index, prefixes, counts and current
  // position are as before and the file keeps its size.
  Status Add(Files& files);

  // Turns the index entry of `number` into a free slot and clears its prefix; the record in
  // the file is the caller's to mark. Gives the record's slot; nothing when absent.
  std::optional<int64_t> Delete(int64_t number);

  // --- name prefixes (inventory and customers) ---
  bool has_prefixes() const { return kind_ != MasterKind::kSupplier; }
  // The first two bytes of slot `position`'s name; zero for a free slot.
  std::array<uint8_t, 2> prefix(int64_t position) const;
  // Takes the prefix of `position` from `record`'s name; callers that change a name call it
  // before writing the record back.
  void UpdatePrefix(int64_t position, const uint8_t* record);

  // --- index and counts ---
  const NumberIndex& index() const { return index_; }
  int64_t record_count() const { return index_.record_count(); }
  int64_t deleted_count() const { return index_.deleted_count(); }
  int64_t live_count() const { return index_.live_count(); }

 private:
  void Reset();
  std::string NotPresentText() const;
  std::string_view RecordBytes(const uint8_t* record) const;
  // Makes `change` through the journal of the file's folder; false when it was not made.
  bool MadeThroughJournal(Files& files, const FileChange& change) const;

  MasterKind kind_;
  Path path_;
  NumberIndex index_;
  std::vector<std::array<uint8_t, 2>> prefixes_;
  Record record_;
  int64_t current_position_ = -1;
  MasterFileObserver* observer_ = nullptr;
};

}  // namespace ventro
