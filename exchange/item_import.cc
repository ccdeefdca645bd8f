#include "exchange/item_import.h"

#include <memory>
#include <optional>
#include <string>

#include "base/csv.h"
#include "exchange/import_command.h"
#include "platform/whole_file_writer.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";

// Records gathered before they are written.
constexpr size_t kBlockRecords = 512;
constexpr size_t kBlockBytes = kBlockRecords * InventoryRecord::kSize;

Status Unwritable() {
  return Status::Failed(kProblem, "Unable to open inventory.dat", Severity::kWarning);
}

// The new file starts with the old one's whole records, so the new ones start on a record
// boundary.
bool StartFromOldRecords(Files& files, const Path& path, WholeFileWriter& writer) {
  std::unique_ptr<File> file = files.Open(path, OpenMode::kRead);
  std::optional<uint64_t> size = file ? file->Size() : std::nullopt;
  return size && writer.StartFromOld(*size - *size % InventoryRecord::kSize);
}

}  // namespace

Status WriteImportedItems(Files& files, const Path& data_folder, const MasterFile& inventory,
                          std::string_view csv, const ItemColumns& columns, bool merge,
                          std::vector<int64_t>& written) {
  const Path path = data_folder / "inventory.dat";
  // The new file is written beside the old one and put in place in one rename at the end.
  WholeFileWriter writer(files, path);
  if (!writer.ok()) return Unwritable();
  if (merge && !StartFromOldRecords(files, path, writer)) return Unwritable();

  written.clear();
  std::string block;
  block.reserve(kBlockBytes);
  CsvReader reader(csv, kLongestImportLine);
  CsvRecord line;
  while (reader.Next(line)) {
    std::optional<InventoryRecord> item = ImportedItem(line, columns);
    if (!item) continue;
    const int64_t number = item->Get(inv::kNumber);
    // Existing numbers are looked up in the index, never by reading the file.
    if (merge && inventory.FindPosition(number)) continue;
    block.append(reinterpret_cast<const char*>(item->data()), InventoryRecord::kSize);
    written.push_back(number);
    if (block.size() >= kBlockBytes) {
      if (!writer.Write(block)) return Unwritable();
      block.clear();
    }
  }
  if (!writer.Write(block)) return Unwritable();
  if (!merge && written.empty()) {
    return Status::Failed(kProblem, "No valid items", Severity::kWarning);
  }
  if (written.empty()) return Status::Ok();  // nothing new: the file stays as it was

  // The file replaced stays beside the new one as temp2.dat. It first gets a second name, which
  // costs no copy where the file system has links, and that name becomes temp2.dat only once the
  // new file is in place, so that a failure leaves both as they were.
  const bool keep_old = !merge && files.Exists(path);
  const Path kept = data_folder / "temp2.dat";
  Path staged = kept;
  staged += ".new";
  if (keep_old &&
      (!files.Remove(staged) || !(files.LinkFile(path, staged) || files.CopyFile(path, staged)))) {
    (void)files.Remove(staged);
    return Unwritable();
  }
  if (!writer.Commit()) {
    if (keep_old) (void)files.Remove(staged);
    return Unwritable();
  }
  // The import has taken effect whether or not the old file keeps its name.
  if (keep_old && !files.Rename(staged, kept)) (void)files.Remove(staged);
  return Status::Ok();
}

}  // namespace ventro
