// Ringing items up on large inventories: a scanned code at 1,000,000 items (answered from the
// barcode index, one record read) and an item number at 100,000 items, each the whole add
// (look-up, record read, stock and price rules, tax, line, totals). For comparison, the scan
// of inventory.dat record by record that the index replaces, at 100,000 items.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "app/ventro.h"
#include "base/format.h"
#include "formats/inventory_record.h"
#include "sale/basket_commands.h"
#include "sale/item_entry.h"
#include "tests/core/recording_host.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

std::string CodeOf(int64_t number) {
  return StringPrintf("20%011lld", static_cast<long long>(number));
}

// A data folder with `items` taxed items numbered 1 upward, each with its own 13-digit code,
// removed at exit.
class Shop {
 public:
  explicit Shop(int64_t items) : items_(items) {
    const Path& folder = dir_.path();
    {
      std::ofstream out(folder / "inventory.dat", std::ios::binary | std::ios::trunc);
      InventoryRecord record;
      for (int64_t number = 1; number <= items; ++number) {
        record.Set(inv::kNumber, number);
        record.Set(inv::kDescription, StringPrintf("ITEM %lld", static_cast<long long>(number)));
        record.Set(inv::kSku1, CodeOf(number));
        record.Set(inv::kRetailPrice, 4.99);
        record.Set(inv::kCostPrice, 2.10);
        record.Set(inv::kTax, 1);
        record.Set(inv::kQuantity, 1'000'000);
        out.write(reinterpret_cast<const char*>(record.data()), InventoryRecord::kSize);
      }
    }
    ventro_ = std::make_unique<Ventro>(p_.platform, host_, StartOptions{folder, folder});
    ventro_->settings.ApplyFirstRunDefaults(p_.clock.now);
    ventro_->settings.Set(cfg::kSoundsOff, 1);
    ventro_->inventory.Load(p_.files, folder);
  }
  Ventro& ventro() { return *ventro_; }
  int64_t items() const { return items_; }
  size_t messages() const { return p_.ui.messages.size(); }

 private:
  int64_t items_;
  test::TempDir dir_;
  test::TestPlatform p_;
  test::RecordingHost host_;
  std::unique_ptr<Ventro> ventro_;
};

Shop& ShopOf(int64_t items) {
  static std::unique_ptr<Shop> shop;
  if (!shop || shop->items() != items) {
    shop.reset();
    shop = std::make_unique<Shop>(items);
  }
  return *shop;
}

// Rings up random items by code (barcode entry on) or by number, emptying the basket, untimed,
// whenever it is full.
void RingUp(benchmark::State& state, int64_t items, bool by_code) {
  Shop& shop = ShopOf(items);
  Ventro& ventro = shop.ventro();
  ventro.settings.Set(cfg::kSku1Selection, by_code ? 2 : 0);
  std::mt19937_64 random(42);
  std::uniform_int_distribution<int64_t> item(1, items);
  for (auto _ : state) {
    state.PauseTiming();
    if (ventro.sale.basket.line_count == kMaxBasketLines) ClearBasket(ventro.sale_session());
    const int64_t number = item(random);
    ventro.screen.entry_text = by_code ? CodeOf(number) : std::to_string(number);
    state.ResumeTiming();
    benchmark::DoNotOptimize(AddItemToBasket(ventro.sale_session(), 0, AddMode::kNormal));
  }
  if (shop.messages() != 0) state.SkipWithError("an add was refused");
}

void BM_BarcodeEntry_1000000Items(benchmark::State& state) { RingUp(state, 1'000'000, true); }
BENCHMARK(BM_BarcodeEntry_1000000Items)->Unit(benchmark::kMicrosecond);

void BM_AddByNumber_100000Items(benchmark::State& state) { RingUp(state, 100'000, false); }
BENCHMARK(BM_AddByNumber_100000Items)->Unit(benchmark::kMicrosecond);

// The record-by-record scan of inventory.dat for a code, with a code from the middle of the
// file, as a reference for what the index saves.
void BM_BarcodeFileScan_100000Items(benchmark::State& state) {
  Shop& shop = ShopOf(100'000);
  Ventro& ventro = shop.ventro();
  const std::string code = CodeOf(50'000);
  for (auto _ : state) {
    std::unique_ptr<File> file = ventro.files().Open(ventro.inventory.path(), OpenMode::kRead);
    InventoryRecord record;
    int64_t found = -1;
    for (int64_t slot = 0; slot < ventro.inventory.record_count(); ++slot) {
      if (ventro.inventory.prefix(slot)[0] == 0) continue;
      file->ReadAt(static_cast<uint64_t>(slot) * InventoryRecord::kSize, record.data(),
                   InventoryRecord::kSize);
      if (record.Get(inv::kSku1) == code) {
        found = slot;
        break;
      }
    }
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_BarcodeFileScan_100000Items)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ventro
