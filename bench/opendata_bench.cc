// The whole load at start: settings, 100,000 items and 100,000 customers in random number
// order, suppliers and labels.
#include <algorithm>
#include <numeric>
#include <random>
#include <type_traits>

#include <benchmark/benchmark.h>

#include "../tests/core/recording_host.h"
#include "../tests/core/test_platform.h"
#include "app/start_up.h"
#include "app/ventro.h"
#include "formats/customer_record.h"
#include "formats/inventory_record.h"
#include "formats/supplier_record.h"
#include "store/settings_file.h"

namespace ventro {
namespace {

template <typename Record>
std::string ShuffledRecords(size_t count, unsigned seed) {
  std::vector<int64_t> numbers(count);
  std::iota(numbers.begin(), numbers.end(), 1);
  std::shuffle(numbers.begin(), numbers.end(), std::mt19937(seed));
  std::string bytes;
  bytes.reserve(count * Record::kSize);
  Record record;
  for (int64_t number : numbers) {
    if constexpr (std::is_same_v<Record, InventoryRecord>) {
      record.Set(inv::kNumber, number);
    } else {
      record.Set(cust::kNumber, number);
    }
    record.data()[8] = static_cast<uint8_t>('A' + number % 26);
    bytes.append(reinterpret_cast<const char*>(record.data()), Record::kSize);
  }
  return bytes;
}

void BM_Opendata(benchmark::State& state) {
  test::TestPlatform platform;
  test::TempDir dir;
  test::RecordingHost host;
  const auto count = static_cast<size_t>(state.range(0));
  SettingsRecord settings;
  settings.ApplyFirstRunDefaults(platform.clock.Now());
  SaveSettingsFile(platform.files, dir.path() / "vt.cfg", settings);
  platform.files.WriteWhole(dir.path() / "inventory.dat",
                            ShuffledRecords<InventoryRecord>(count, 1));
  platform.files.WriteWhole(dir.path() / "customer.dat", ShuffledRecords<CustomerRecord>(count, 2));
  SupplierRecord deleted;
  deleted.Set(supp::kNumber, -1);
  platform.files.WriteWhole(
      dir.path() / "suppliers.dat",
      std::string(reinterpret_cast<const char*>(deleted.data()), SupplierRecord::kSize));

  for (auto _ : state) {
    Ventro ventro(platform.platform, host, {dir.path(), dir.path()});
    if (!Opendata(ventro)) state.SkipWithError("Opendata failed");
    benchmark::DoNotOptimize(ventro.inventory);
  }
}
BENCHMARK(BM_Opendata)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace ventro
