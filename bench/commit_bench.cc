// Committing a paid ten-line sale against an inventory of 100,000 items: the checks and reads
// of the sold items, the whole change (three day logs, stock write-backs, settings) written and
// flushed to the journal, applied and flushed once, and the day text log. Wall time counts:
// the flushes to the disk are most of it.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/ventro.h"
#include "base/format.h"
#include "formats/inventory_record.h"
#include "sale/commit.h"
#include "sale/tender.h"
#include "tests/core/recording_host.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

constexpr int64_t kItems = 100'000;
constexpr int kLines = 10;

// A data folder with 100,000 items numbered 1 to 100,000, removed at exit. The platform is the
// tests' (real files, a clock that stands still, a user interface that records messages).
class Shop {
 public:
  Shop() {
    p_.clock.Set(2026, 12, 6, 9, 30);
    const Path& folder = dir_.path();
    {
      std::ofstream out(folder / "inventory.dat", std::ios::binary | std::ios::trunc);
      InventoryRecord record;
      for (int64_t number = 1; number <= kItems; ++number) {
        record.Set(inv::kNumber, number);
        record.Set(inv::kDescription, StringPrintf("ITEM %lld", static_cast<long long>(number)));
        record.Set(inv::kDisplayCategory, static_cast<int32_t>(number % 18));
        record.Set(inv::kQuantity, 1'000'000);
        record.Set(inv::kCostPrice, 1.25);
        out.write(reinterpret_cast<const char*>(record.data()), InventoryRecord::kSize);
      }
    }
    ventro_ = std::make_unique<Ventro>(p_.platform, host_, StartOptions{folder, folder});
    ventro_->settings.ApplyFirstRunDefaults(p_.clock.now);
    ventro_->settings.Set(cfg::kSignedOnClerk, 1);
    ventro_->inventory.Load(p_.files, folder);
  }
  Ventro& ventro() { return *ventro_; }
  size_t messages() const { return p_.ui.messages.size(); }

 private:
  test::TempDir dir_;
  test::TestPlatform p_;
  test::RecordingHost host_;
  std::unique_ptr<Ventro> ventro_;
};

// Ten lines of items spread over the file, paid in cash.
void FillBasket(Ventro& ventro, std::mt19937_64& random) {
  std::uniform_int_distribution<int64_t> item(1, kItems);
  Basket& basket = ventro.sale.basket;
  for (int i = 0; i < kLines; ++i) {
    const auto line = static_cast<size_t>(i);
    const int64_t number = item(random);
    basket.item_number[line] = number;
    SetText(basket.description[line], StringPrintf("ITEM %lld", static_cast<long long>(number)));
    basket.taxable_amount[line] = 10.00;
    basket.tax1[line] = 2.00;
    basket.cost[line] = 1.25;
    basket.line_total[line] = 12.00;
    ventro.sale.list.push_back("line");
  }
  basket.line_count = kLines;
  basket.totals.taxable_total = 100.00;
  basket.totals.net_total = 100.00;
  basket.totals.tax1_total = 20.00;
  basket.totals.cost_total = 12.50;
  basket.totals.grand_total = 120.00;
  basket.totals.cash_amount = 120.00;
  StampBasket(ventro.sale_session());
  SetText(basket.texts.payment_type, "Cash");
}

void BM_CommitTenLineSale(benchmark::State& state) {
  Shop shop;
  std::mt19937_64 random(20261206);
  for (auto _ : state) {
    state.PauseTiming();
    FillBasket(shop.ventro(), random);
    state.ResumeTiming();
    if (!CommitTransaction(shop.ventro().sale_session())) state.SkipWithError("commit refused");
  }
  if (shop.messages() != 0) state.SkipWithError("the commit showed a message");
}
BENCHMARK(BM_CommitTenLineSale)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ventro
