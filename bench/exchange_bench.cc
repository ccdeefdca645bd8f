// "Export entire" of 100,000 items as comma-separated text, and its import back (Replace, and
// Merge into 100,000 items of other numbers), each through the functions the Export and Import
// commands call once their dialogs are answered, beside three plain copies of inventory.dat,
// which each should stay within.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "exchange/export_writer.h"
#include "exchange/item_import.h"
#include "item_file.h"

namespace ventro {
namespace {

constexpr int64_t kItems = 100'000;

// Items 1 to 100,000 with texts that need quoting and every tax code.
void FillItem(InventoryRecord& item, int64_t number) {
  item.Set(inv::kSku1, StringPrintf("SKU-%lld", static_cast<long long>(number)));
  item.Set(inv::kSku3, StringPrintf("A,%lld", static_cast<long long>(number)));
  item.Set(inv::kRetailPrice, 1.25 + static_cast<double>(number % 100));
  item.Set(inv::kCostPrice, 0.5);
  item.Set(inv::kQuantity, static_cast<int32_t>(number % 50));
  item.Set(inv::kTax, static_cast<int32_t>(number % 4));
  item.Set(inv::kDisplayCategory, static_cast<int32_t>(number % 18));
  item.Set(inv::kNotes, "SAY \"HELLO\"");
}

bench::ItemFileFolder& Folder() {
  static bench::ItemFileFolder folder("exchange", kItems, FillItem);
  return folder;
}

Path InventoryPath() { return Folder().inventory().path(); }
Path FolderPath() { return InventoryPath().parent_path(); }

// The columns an import of an entire export is mapped with.
constexpr ItemColumns kExportColumns{1, 2,  3,  4, 15, 16, 5,  6,  7, 8,
                                     9, 10, 21, 0, 14, 20, 17, 18, 19};

Status ExportEntire(const Path& target) {
  ExportChoice choice;
  choice.finish = kItems;
  FieldSelection all;
  all.entire = true;
  return WriteExportFile(Folder().files(), Folder().inventory(), choice, all, target);
}

// The entire export, written once, as the text to import.
const std::string& ExportedText() {
  static const std::string text = [] {
    const Path path = FolderPath() / "INVENTOR.TXT";
    if (!ExportEntire(path).ok()) return std::string();
    return Folder().files().ReadAll(path).value_or("");
  }();
  return text;
}

void BM_ThreeInventoryCopies(benchmark::State& state) {
  const Path copy = FolderPath() / "copy.dat";
  for (auto _ : state) {
    for (int i = 0; i < 3; ++i) {
      std::filesystem::copy_file(InventoryPath(), copy,
                                 std::filesystem::copy_options::overwrite_existing);
    }
  }
  std::filesystem::remove(copy);
}
BENCHMARK(BM_ThreeInventoryCopies)->Unit(benchmark::kMillisecond);

void BM_ExportEntire(benchmark::State& state) {
  const Path target = FolderPath() / "EXPORT.TXT";
  for (auto _ : state) {
    if (!ExportEntire(target).ok()) state.SkipWithError("export failed");
  }
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_ExportEntire)->Unit(benchmark::kMillisecond);

// An import into a folder of its own holding a copy of the 100,000 items, put back after each
// run (not timed); Merge indexes it with numbers above the imported ones, so that every
// imported item is new.
class ImportFolder {
 public:
  explicit ImportFolder(bool others) : path_(FolderPath() / (others ? "merge" : "replace")) {
    std::filesystem::create_directories(path_);
    if (!others) {
      std::filesystem::copy_file(InventoryPath(), Original(),
                                 std::filesystem::copy_options::overwrite_existing);
      return;
    }
    std::string bytes = Folder().files().ReadAll(InventoryPath()).value_or("");
    for (size_t at = 0; at + InventoryRecord::kSize <= bytes.size(); at += InventoryRecord::kSize) {
      int64_t number = 0;
      std::memcpy(&number, bytes.data() + at, sizeof number);
      number += kItems;
      std::memcpy(bytes.data() + at, &number, sizeof number);
    }
    Folder().files().WriteWhole(Original(), bytes);
  }
  const Path& path() const { return path_; }
  const MasterFile& inventory() const { return inventory_; }

  // The folder as before the import, its inventory loaded and on the disk, so that the import
  // timed does not wait for the disk to take in this copy; false when it cannot be.
  bool Reset() {
    std::error_code error;
    std::filesystem::copy_file(Original(), path_ / "inventory.dat",
                               std::filesystem::copy_options::overwrite_existing, error);
    std::filesystem::remove(path_ / "temp2.dat", error);
    return !error && Folder().files().SyncFileSystem(path_) &&
           inventory_.Load(Folder().files(), path_) == LoadStatus::kOk;
  }

 private:
  Path Original() const { return path_ / "original.dat"; }
  Path path_;
  MasterFile inventory_{MasterKind::kInventory};
};

void TimeImport(benchmark::State& state, bool merge) {
  const std::string& text = ExportedText();
  ImportFolder folder(merge);
  std::vector<int64_t> written;
  for (auto _ : state) {
    state.PauseTiming();
    if (!folder.Reset()) state.SkipWithError("no folder to import into");
    state.ResumeTiming();
    Status status = WriteImportedItems(Folder().files(), folder.path(), folder.inventory(), text,
                                       kExportColumns, merge, written);
    if (!status.ok() || written.size() != static_cast<size_t>(kItems)) {
      state.SkipWithError("import failed");
    }
  }
  state.SetItemsProcessed(state.iterations() * kItems);
}

void BM_ImportReplace(benchmark::State& state) { TimeImport(state, false); }
BENCHMARK(BM_ImportReplace)->Unit(benchmark::kMillisecond);

void BM_ImportMerge(benchmark::State& state) { TimeImport(state, true); }
BENCHMARK(BM_ImportMerge)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ventro
