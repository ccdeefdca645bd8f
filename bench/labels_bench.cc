// Barcode labels of 100,000 items, drawn on a canvas that only counts: one walk of the number
// index from the start of the range, one record read per label from a file opened once per
// job, beside a plain sequential read of inventory.dat in 64 KiB blocks.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "base/format.h"
#include "bench/item_file.h"
#include "formats/inventory_record.h"
#include "platform/files.h"
#include "print/label_feed.h"
#include "print/label_sheet.h"
#include "store/master_file.h"

namespace ventro {
namespace {

constexpr int64_t kItems = 100'000;

bench::ItemFileFolder& Folder() {
  static bench::ItemFileFolder folder(
      "labels", kItems, [](InventoryRecord& record, int64_t number) {
        record.Set(inv::kRetailPrice, 1.25 + static_cast<double>(number % 100));
        record.Set(inv::kTax, 1);
      });
  return folder;
}

// An A4 page at 600 dots per inch that counts what is drawn on it.
class CountingCanvas : public PrintCanvas {
 public:
  int64_t bars = 0;
  int64_t texts = 0;
  DeviceCaps Caps() override { return {4760, 6917, 600, 600, 99, 99}; }
  bool SetFont(const PrintFont&) override { return true; }
  FontMetrics Metrics() override { return {100, 0, 50, false}; }
  void Text(int, int, TextAlign, std::string_view) override { ++texts; }
  int TextBox(const PrintRect&, TextAlign, std::string_view) override { return 0; }
  void Line(int, int, int, int) override {}
  void Rectangle(const PrintRect&) override {}
  void FillRectangle(const PrintRect&) override { ++bars; }
  void ShadeRectangle(const PrintRect&, int) override {}
  bool Bitmap(const PrintRect&, std::string_view) override { return true; }
  void SetMetricUnits(bool) override {}
  void StartPage() override {}
  void EndPage() override {}
  bool EndDocument() override { return true; }
};

void BM_LabelsOfEveryItem(benchmark::State& state) {
  bench::ItemFileFolder& folder = Folder();
  LabelJob job;
  job.start = 1;
  job.finish = kItems;
  job.price = true;
  const TaxRules rules{true, 2000, false, 0, false, false, 0};
  for (auto _ : state) {
    LabelFeed feed(job, {"CORNER SHOP", "$", rules}, folder.files(), &folder.inventory());
    CountingCanvas canvas;
    int64_t sheets = 1;
    while (DrawLabelSheet(canvas, job, feed, PrintFont{"", 115, false})) ++sheets;
    if (!feed.status().ok() || canvas.texts != kItems) state.SkipWithError("labels missing");
    benchmark::DoNotOptimize(sheets);
  }
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_LabelsOfEveryItem)->Unit(benchmark::kMillisecond);

// The floor: inventory.dat read from start to end, nothing done with it.
void BM_PlainReadOfInventory(benchmark::State& state) {
  bench::ReadItemFile(state, Folder(), 64 * 1024, kItems);
}
BENCHMARK(BM_PlainReadOfInventory)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ventro
