// The "Inventory received" report over a year of receipts: 200 a day in every day's
// ininvent.dat, against an inventory of 100,000 items. Each day file is read once and each
// item's description once, so the year costs about 365 small file reads plus one record read
// per item received.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "base/format.h"
#include "formats/incoming_record.h"
#include "formats/inventory_record.h"
#include "inventory/received_report.h"
#include "platform/files.h"
#include "store/master_file.h"

namespace ventro {
namespace {

constexpr int64_t kItems = 100'000;
constexpr int kReceiptsPerDay = 200;
constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

class YearOfReceipts {
 public:
  YearOfReceipts() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("ventro-bench-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
    {
      std::ofstream out(path_ / "inventory.dat", std::ios::binary);
      InventoryRecord item;
      for (int64_t number = 1; number <= kItems; ++number) {
        item.Set(inv::kNumber, number);
        item.Set(inv::kDescription, StringPrintf("ITEM %lld", static_cast<long long>(number)));
        out.write(reinterpret_cast<const char*>(item.data()), InventoryRecord::kSize);
      }
    }
    std::mt19937_64 pick(20261207);
    std::uniform_int_distribution<int64_t> number(1, kItems);
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= kDaysInMonth[month - 1]; ++day) {
        const Path folder = path_ / "2025" / std::to_string(month) / std::to_string(day);
        std::filesystem::create_directories(folder);
        std::ofstream out(folder / kIncomingLogName, std::ios::binary);
        for (int k = 0; k < kReceiptsPerDay; ++k) out << IncomingRecord{number(pick), 3}.Bytes();
      }
    }
    inventory_.Load(files_, path_);
  }
  ~YearOfReceipts() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  StdFiles& files() { return files_; }
  const Path& path() const { return path_; }
  const MasterFile& inventory() const { return inventory_; }

 private:
  Path path_;
  StdFiles files_;
  MasterFile inventory_{MasterKind::kInventory};
};

void BM_ReceivedReportYear(benchmark::State& state) {
  static YearOfReceipts data;
  size_t lines = 0;
  for (auto _ : state) {
    std::vector<ReceivedEntry> entries =
        CollectReceipts(data.files(), data.path(), data.inventory(), {1, 1, 2025}, {31, 12, 2025});
    lines = entries.size();
    benchmark::DoNotOptimize(entries.data());
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ReceivedReportYear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ventro
