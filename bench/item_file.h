// A temporary data folder holding an inventory.dat of items numbered from 1, for the benchmarks
// that work over a whole item file, and the plain read of that file they are set beside.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "base/format.h"
#include "formats/inventory_record.h"
#include "platform/files.h"
#include "store/master_file.h"

namespace ventro::bench {

class ItemFileFolder {
 public:
  // Writes `items` items, each described "STOCK LINE n BLUE" and then given its other fields by
  // `fill`, and loads the master file. The folder is removed with the object.
  ItemFileFolder(std::string_view name, int64_t items,
                 const std::function<void(InventoryRecord&, int64_t)>& fill) {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            (std::string("ventro-") + std::string(name) + "-bench-" + std::to_string(random()) +
             std::to_string(random()));
    std::filesystem::create_directories(path_);
    std::ofstream out(path_ / "inventory.dat", std::ios::binary | std::ios::trunc);
    for (int64_t number = 1; number <= items; ++number) {
      InventoryRecord record;
      record.Set(inv::kNumber, number);
      record.Set(inv::kDescription,
                 StringPrintf("STOCK LINE %lld BLUE", static_cast<long long>(number)));
      fill(record, number);
      out.write(reinterpret_cast<const char*>(record.data()), InventoryRecord::kSize);
    }
    out.close();
    inventory_.Load(files_, path_);
  }
  ~ItemFileFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  ItemFileFolder(const ItemFileFolder&) = delete;
  ItemFileFolder& operator=(const ItemFileFolder&) = delete;

  StdFiles& files() { return files_; }
  const MasterFile& inventory() const { return inventory_; }

 private:
  Path path_;
  StdFiles files_;
  MasterFile inventory_{MasterKind::kInventory};
};

// The floor of a whole-file benchmark: the folder's inventory.dat read from start to end in
// blocks of `block_bytes`, nothing done with it.
inline void ReadItemFile(benchmark::State& state, ItemFileFolder& folder, size_t block_bytes,
                         int64_t items) {
  std::vector<uint8_t> block(block_bytes);
  for (auto _ : state) {
    std::unique_ptr<File> file = folder.files().Open(folder.inventory().path(), OpenMode::kRead);
    uint64_t offset = 0;
    size_t read = 0;
    while ((read = file->ReadAt(offset, block.data(), block.size())) > 0) offset += read;
    benchmark::DoNotOptimize(offset);
  }
  state.SetItemsProcessed(state.iterations() * items);
}

}  // namespace ventro::bench
