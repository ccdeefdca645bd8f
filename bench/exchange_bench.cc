// Export of every field of 100,000 items as comma-separated text and its import back into a
// new inventory file, beside three plain copies of inventory.dat, which each should stay
// within.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "base/csv.h"
#include "base/format.h"
#include "exchange/export_layout.h"
#include "exchange/import_command.h"
#include "exchange/import_records.h"
#include "formats/inventory_record.h"
#include "platform/files.h"

namespace ventro {
namespace {

constexpr int64_t kItems = 100'000;

class ExchangeFolder {
 public:
  ExchangeFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("ventro-exchange-bench-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
    InventoryRecord record;
    for (int64_t number = 1; number <= kItems; ++number) {
      record.Set(inv::kNumber, number);
      record.Set(inv::kDescription,
                 StringPrintf("STOCK LINE %lld, BLUE", static_cast<long long>(number)));
      record.Set(inv::kSku1, StringPrintf("SKU-%lld", static_cast<long long>(number)));
      record.Set(inv::kRetailPrice, 1.25);
      record.Set(inv::kTax, 2);
      inventory_.append(reinterpret_cast<const char*>(record.data()), InventoryRecord::kSize);
    }
    files_.WriteWhole(path_ / "inventory.dat", inventory_);
  }
  ~ExchangeFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  StdFiles& files() { return files_; }
  const Path& path() const { return path_; }
  const std::string& inventory() const { return inventory_; }

 private:
  Path path_;
  StdFiles files_;
  std::string inventory_;
};

ExchangeFolder& Folder() {
  static ExchangeFolder folder;
  return folder;
}

std::string ExportAll(const std::string& inventory) {
  FieldSelection all;
  all.entire = true;
  std::string out = std::string(kInventoryExportHeader) + "\r\n";
  InventoryRecord item;
  for (size_t at = 0; at < inventory.size(); at += InventoryRecord::kSize) {
    std::copy_n(inventory.data() + at, InventoryRecord::kSize,
                reinterpret_cast<char*>(item.data()));
    out += TextExportLine(InventoryExportValues(item), all);
  }
  return out;
}

void BM_ThreeInventoryCopies(benchmark::State& state) {
  ExchangeFolder& folder = Folder();
  for (auto _ : state) {
    for (int i = 0; i < 3; ++i) {
      folder.files().CopyFile(folder.path() / "inventory.dat", folder.path() / "copy.dat");
    }
  }
}
BENCHMARK(BM_ThreeInventoryCopies)->Unit(benchmark::kMillisecond);

void BM_ExportEntire(benchmark::State& state) {
  ExchangeFolder& folder = Folder();
  for (auto _ : state) {
    std::string inventory = folder.files().ReadAll(folder.path() / "inventory.dat").value();
    folder.files().WriteWhole(folder.path() / "INVENTOR.TXT", ExportAll(inventory));
  }
}
BENCHMARK(BM_ExportEntire)->Unit(benchmark::kMillisecond);

void BM_ImportReplace(benchmark::State& state) {
  ExchangeFolder& folder = Folder();
  folder.files().WriteWhole(folder.path() / "INVENTOR.TXT", ExportAll(folder.inventory()));
  ItemColumns columns{1, 2, 3, 4, 15, 16, 5, 6, 7, 8, 9, 10, 21, 0, 14, 20, 17, 18, 19};
  for (auto _ : state) {
    std::string text = folder.files().ReadAll(folder.path() / "INVENTOR.TXT").value();
    CsvTable table = ReadCsv(text, kLongestImportLine);
    std::string bytes;
    bytes.reserve(table.records.size() * InventoryRecord::kSize);
    for (const CsvRecord& line : table.records) {
      if (auto item = ImportedItem(line, columns)) {
        bytes.append(reinterpret_cast<const char*>(item->data()), InventoryRecord::kSize);
      }
    }
    folder.files().CopyFile(folder.path() / "inventory.dat", folder.path() / "temp2.dat");
    folder.files().WriteWhole(folder.path() / "imported.dat", bytes);
  }
}
BENCHMARK(BM_ImportReplace)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ventro
