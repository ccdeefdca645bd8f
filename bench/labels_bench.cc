// Barcode labels of 100,000 items, drawn on a canvas that only counts: one walk of the number
// index from the start of the range, one record read per label from a file opened once per
// job, beside a plain sequential read of inventory.dat in 64 KiB blocks.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "base/format.h"
#include "formats/inventory_record.h"
#include "platform/files.h"
#include "print/label_feed.h"
#include "print/label_sheet.h"
#include "store/master_file.h"

namespace ventro {
namespace {

constexpr int64_t kItems = 100'000;

class LabelFolder {
 public:
  LabelFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("ventro-labels-bench-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
    std::ofstream out(path_ / "inventory.dat", std::ios::binary | std::ios::trunc);
    InventoryRecord record;
    for (int64_t number = 1; number <= kItems; ++number) {
      record.Set(inv::kNumber, number);
      record.Set(inv::kDescription,
                 StringPrintf("STOCK LINE %lld BLUE", static_cast<long long>(number)));
      record.Set(inv::kRetailPrice, 1.25 + static_cast<double>(number % 100));
      record.Set(inv::kTax, 1);
      out.write(reinterpret_cast<const char*>(record.data()), InventoryRecord::kSize);
    }
    out.close();
    inventory_.Load(files_, path_);
  }
  ~LabelFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  StdFiles& files() { return files_; }
  const MasterFile& inventory() const { return inventory_; }

 private:
  Path path_;
  StdFiles files_;
  MasterFile inventory_{MasterKind::kInventory};
};

LabelFolder& Folder() {
  static LabelFolder folder;
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
  bool Bitmap(const PrintRect&, std::string_view) override { return true; }
  void SetMetricUnits(bool) override {}
  void StartPage() override {}
  void EndPage() override {}
  bool EndDocument() override { return true; }
};

void BM_LabelsOfEveryItem(benchmark::State& state) {
  LabelFolder& folder = Folder();
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
  LabelFolder& folder = Folder();
  std::vector<uint8_t> block(64 * 1024);
  for (auto _ : state) {
    std::unique_ptr<File> file = folder.files().Open(folder.inventory().path(), OpenMode::kRead);
    uint64_t offset = 0;
    size_t read = 0;
    while ((read = file->ReadAt(offset, block.data(), block.size())) > 0) offset += read;
    benchmark::DoNotOptimize(offset);
  }
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_PlainReadOfInventory)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ventro
