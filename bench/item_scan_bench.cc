// Whole-file work over 100,000 items beside a plain sequential read of inventory.dat in the
// same blocks, which each should stay within twice of: the "contains" searches (a fragment
// found nowhere, so every item is read and compared), the reorder list and the stock summary.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "base/format.h"
#include "bench/item_file.h"
#include "formats/inventory_record.h"
#include "inventory/item_scan.h"
#include "platform/files.h"
#include "reports/stock_lists.h"
#include "store/master_file.h"

namespace ventro {
namespace {

constexpr int64_t kItems = 100'000;

bench::ItemFileFolder& Folder() {
  static bench::ItemFileFolder folder("scan", kItems, [](InventoryRecord& record, int64_t number) {
    record.Set(inv::kSku1, StringPrintf("SKU-%lld", static_cast<long long>(number)));
  });
  return folder;
}

// A description fragment found nowhere, so every item is read and compared.
void BM_FragmentScan(benchmark::State& state) {
  bench::ItemFileFolder& folder = Folder();
  for (auto _ : state) {
    int64_t matches = 0;
    Status status = ScanItems(
        folder.files(), folder.inventory(), 0, [&matches](int64_t, const uint8_t* record) {
          std::string_view description(reinterpret_cast<const char*>(record + 8));
          if (description.find("RED TEAPOT") != std::string_view::npos) {
            ++matches;
          }
          return true;
        });
    benchmark::DoNotOptimize(matches);
    if (!status.ok()) state.SkipWithError("scan failed");
  }
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_FragmentScan)->Unit(benchmark::kMillisecond);

// The advanced search with every text filled: the most comparing a scan does per item.
void BM_AdvancedScan(benchmark::State& state) {
  bench::ItemFileFolder& folder = Folder();
  AdvancedQuery query;
  query.description = "RED TEAPOT";
  for (std::string& sku : query.sku) sku = "NOWHERE";
  for (auto _ : state) {
    int64_t matches = 0;
    Status status =
        ScanItems(folder.files(), folder.inventory(), 0, [&](int64_t, const uint8_t* record) {
          matches += MatchesAdvanced(query, record) ? 1 : 0;
          return true;
        });
    benchmark::DoNotOptimize(matches);
    if (!status.ok()) state.SkipWithError("scan failed");
  }
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_AdvancedScan)->Unit(benchmark::kMillisecond);

// The floor: the same file read from start to end in blocks of the same size, nothing else.
void BM_SequentialRead(benchmark::State& state) {
  bench::ReadItemFile(state, Folder(), 512 * InventoryRecord::kSize, kItems);
}
BENCHMARK(BM_SequentialRead)->Unit(benchmark::kMillisecond);

// The reorder list when every item is due (level 0, stock 0): one read of the file and a line
// made for each of the 100,000 items, then put in number order.
void BM_ReorderListOfEveryItem(benchmark::State& state) {
  bench::ItemFileFolder& folder = Folder();
  const LocalTime today{2026, 12, 7, 9, 30};
  for (auto _ : state) {
    std::vector<std::string> lines;
    Status status =
        CollectStockList(folder.files(), folder.inventory(), StockList::kReorder, today, lines);
    if (!status.ok() || lines.size() != kItems) state.SkipWithError("list incomplete");
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_ReorderListOfEveryItem)->Unit(benchmark::kMillisecond);

// The stock summary: one read of the file, every item added up.
void BM_StockSummary(benchmark::State& state) {
  bench::ItemFileFolder& folder = Folder();
  for (auto _ : state) {
    StockValue value;
    if (!SumStockValue(folder.files(), folder.inventory(), value).ok()) {
      state.SkipWithError("summary failed");
    }
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_StockSummary)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ventro
