// Master files at shop scale: 100,000 items and 100,000 customers stored in random number
// order. Measures the start-up load (read, index and sort), lookups by number, and adds and
// deletes against files of that size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "base/format.h"
#include "formats/customer_record.h"
#include "formats/inventory_record.h"
#include "platform/files.h"
#include "store/master_file.h"
#include "store/number_index.h"

namespace ventro {
namespace {

constexpr int64_t kRecords = 100'000;

// Numbers 10, 20, ... 1,000,000 in a shuffled order, so the load has real sorting to do and
// lookups of numbers between them miss.
std::vector<int64_t> ShuffledNumbers() {
  std::vector<int64_t> numbers(kRecords);
  std::iota(numbers.begin(), numbers.end(), 1);
  for (int64_t& n : numbers) n *= 10;
  std::mt19937_64 random(20240611);
  std::shuffle(numbers.begin(), numbers.end(), random);
  return numbers;
}

template <typename Record>
void WriteFile(const Path& path, const std::vector<int64_t>& numbers) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  Record record;
  for (int64_t number : numbers) {
    if constexpr (std::is_same_v<Record, InventoryRecord>) {
      record.Set(inv::kNumber, number);
      record.Set(inv::kDescription, StringPrintf("ITEM %lld", static_cast<long long>(number)));
    } else {
      record.Set(cust::kNumber, number);
      record.Set(cust::kName, StringPrintf("CUSTOMER %lld", static_cast<long long>(number)));
    }
    out.write(reinterpret_cast<const char*>(record.data()), Record::kSize);
  }
}

// The data folder with both files, written once for the whole run and removed at exit.
class DataFolder {
 public:
  DataFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("ventro-bench-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
    numbers_ = ShuffledNumbers();
    WriteFile<InventoryRecord>(path_ / "inventory.dat", numbers_);
    WriteFile<CustomerRecord>(path_ / "customer.dat", numbers_);
  }
  ~DataFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  const Path& path() const { return path_; }
  const std::vector<int64_t>& numbers() const { return numbers_; }

 private:
  Path path_;
  std::vector<int64_t> numbers_;
};

DataFolder& Data() {
  static DataFolder data;
  return data;
}

void BM_Load(benchmark::State& state, MasterKind kind) {
  StdFiles files;
  const Path& folder = Data().path();
  for (auto _ : state) {
    MasterFile master(kind);
    if (master.Load(files, folder) != LoadStatus::kOk) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(master.live_count());
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK_CAPTURE(BM_Load, inventory, MasterKind::kInventory)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Load, customer, MasterKind::kCustomer)->Unit(benchmark::kMillisecond);

void BM_FindPosition(benchmark::State& state) {
  StdFiles files;
  MasterFile master(MasterKind::kInventory);
  master.Load(files, Data().path());
  const std::vector<int64_t>& numbers = Data().numbers();
  size_t i = 0;
  for (auto _ : state) {
    // Every other lookup misses (a number between two stored ones).
    int64_t number = numbers[i % numbers.size()] - static_cast<int64_t>(i & 1);
    benchmark::DoNotOptimize(master.FindPosition(number));
    ++i;
  }
}
BENCHMARK(BM_FindPosition);

void BM_LookUp(benchmark::State& state, MasterKind kind) {
  StdFiles files;
  MasterFile master(kind);
  master.Load(files, Data().path());
  const std::vector<int64_t>& numbers = Data().numbers();
  std::mt19937_64 random(7);
  for (auto _ : state) {
    int64_t number = numbers[random() % numbers.size()];
    if (!master.LookUp(files, number).ok()) state.SkipWithError("lookup failed");
  }
}
BENCHMARK_CAPTURE(BM_LookUp, inventory, MasterKind::kInventory)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LookUp, customer, MasterKind::kCustomer)->Unit(benchmark::kMicrosecond);

// Adds a new record and deletes it again, so after the first round every add reuses the
// freed slot and the file keeps its size.
void BM_AddThenDelete(benchmark::State& state, MasterKind kind) {
  StdFiles files;
  MasterFile master(kind);
  master.Load(files, Data().path());
  std::mt19937_64 random(11);
  for (auto _ : state) {
    int64_t number = static_cast<int64_t>(random() % (kRecords * 10)) * 10 + 5;
    master.ClearBuffer();
    PutI64(master.buffer(), number);
    PutText(master.buffer() + 8, 30, "NEW RECORD");
    if (!master.Add(files).ok()) {
      state.SkipWithError("add failed");
      break;
    }
    master.Delete(number);
  }
  // The first add appended one slot; drop it so later runs start from the same file.
  std::error_code error;
  std::filesystem::resize_file(master.path(),
                               static_cast<uintmax_t>(kRecords) * master.record_size(), error);
}
BENCHMARK_CAPTURE(BM_AddThenDelete, inventory, MasterKind::kInventory)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AddThenDelete, customer, MasterKind::kCustomer)->Unit(benchmark::kMicrosecond);

// Appending adds into a full index of 100,000 numbers: each insert shifts the entries above
// the new number.
void BM_IndexAppendAdd(benchmark::State& state) {
  std::vector<IndexEntry> entries;
  const std::vector<int64_t>& numbers = Data().numbers();
  for (size_t i = 0; i < numbers.size(); ++i) {
    entries.push_back({numbers[i], static_cast<int64_t>(i)});
  }
  NumberIndex index;
  index.Build(entries);
  std::mt19937_64 random(13);
  for (auto _ : state) {
    int64_t number = static_cast<int64_t>(random() % (kRecords * 10)) * 10 + 3;
    benchmark::DoNotOptimize(index.Add(number));
  }
}
BENCHMARK(BM_IndexAppendAdd)->Iterations(10'000);

void BM_IndexDelete(benchmark::State& state) {
  std::vector<IndexEntry> entries;
  const std::vector<int64_t>& numbers = Data().numbers();
  for (size_t i = 0; i < numbers.size(); ++i) {
    entries.push_back({numbers[i], static_cast<int64_t>(i)});
  }
  NumberIndex index;
  index.Build(entries);
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(index.Delete(numbers[i++]));
  }
}
BENCHMARK(BM_IndexDelete)->Iterations(10'000);

}  // namespace
}  // namespace ventro
