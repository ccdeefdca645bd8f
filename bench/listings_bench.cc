// The listings over 100,000 items: an on-screen list to its first screen of rows (from a
// number, which needs the index alone, and in stock, which reads the file once), and the whole
// printed list with its stock value, beside one plain read of inventory.dat in blocks.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "base/format.h"
#include "bench/item_file.h"
#include "formats/inventory_record.h"
#include "formats/settings_record.h"
#include "listings/list_print.h"
#include "listings/list_rows.h"
#include "listings/list_selection.h"
#include "platform/files.h"
#include "store/master_file.h"

namespace ventro {
namespace {

constexpr int64_t kItems = 100'000;
constexpr int kScreenRows = 40;

bench::ItemFileFolder& Folder() {
  static bench::ItemFileFolder folder("list", kItems, [](InventoryRecord& record, int64_t) {
    record.Set(inv::kQuantity, 3);
    record.Set(inv::kRetailPrice, 4.99);
    record.Set(inv::kCostPrice, 2.10);
    record.Set(inv::kLocation, "AISLE 4");
  });
  return folder;
}

const SettingsRecord& Settings() {
  static SettingsRecord settings;
  return settings;
}

// A page that takes the drawing and keeps nothing: the cost of the list itself.
class NullCanvas : public PrintCanvas {
 public:
  DeviceCaps Caps() override { return {4760, 6730, 600, 600, 0, 0}; }
  bool SetFont(const PrintFont&) override { return true; }
  FontMetrics Metrics() override { return {50, 5, 25, false}; }
  void Text(int, int, TextAlign, std::string_view text) override { drawn += text.size(); }
  int TextBox(const PrintRect&, TextAlign, std::string_view) override { return 0; }
  void Line(int, int, int, int) override {}
  void Rectangle(const PrintRect&) override {}
  void FillRectangle(const PrintRect&) override {}
  void ShadeRectangle(const PrintRect&, int) override {}
  bool Bitmap(const PrintRect&, std::string_view) override { return true; }
  void SetMetricUnits(bool) override {}
  void StartPage() override {}
  void EndPage() override {}
  bool EndDocument() override { return true; }
  size_t drawn = 0;
};

void FirstScreen(benchmark::State& state, ItemList list) {
  bench::ItemFileFolder& folder = Folder();
  const ListLayout layout = ItemLayout(Settings(), false);
  for (auto _ : state) {
    ItemQuery query;
    query.list = list;
    Selection selection;
    Status status = SelectItems(folder.files(), folder.inventory(), query, selection);
    RecordRows rows(folder.files(), folder.inventory(), std::move(selection.slots), layout.cells);
    size_t cells = 0;
    for (int row = 0; row < kScreenRows && row < rows.Count(); ++row) cells += rows.Row(row).size();
    benchmark::DoNotOptimize(cells);
    if (!status.ok() || rows.Count() != kItems) state.SkipWithError("list failed");
  }
}

void BM_ListFromNumberFirstScreen(benchmark::State& state) {
  FirstScreen(state, ItemList::kFromNumber);
}
BENCHMARK(BM_ListFromNumberFirstScreen)->Unit(benchmark::kMillisecond);

void BM_ListInStockFirstScreen(benchmark::State& state) { FirstScreen(state, ItemList::kInStock); }
BENCHMARK(BM_ListInStockFirstScreen)->Unit(benchmark::kMillisecond);

// "Print including cost value": every item from the index, each row read once as its page is
// drawn and its stock added to the value printed after the last row: one pass over the file.
void BM_PrintedListOfEveryItem(benchmark::State& state) {
  bench::ItemFileFolder& folder = Folder();
  const ListLayout layout = ItemLayout(Settings(), true);
  for (auto _ : state) {
    ItemQuery query;
    query.list = ItemList::kWithCost;
    Selection selection;
    Status status = SelectItems(folder.files(), folder.inventory(), query, selection);
    RunningStockValue value;
    RecordRows rows(folder.files(), folder.inventory(), std::move(selection.slots),
                    [&](const uint8_t* record) {
                      value.Add(record);
                      return layout.cells(record);
                    });
    PrintedList list;
    list.shop = "SHOP";
    list.title = "Inventory with cost value";
    list.date = "Mon 7 Dec 26";
    list.columns = layout.columns;
    list.rows = &rows;
    list.totals_after_rows = [&]() -> std::vector<std::string> {
      return {FormatAmount(value.cost), FormatAmount(value.retail)};
    };
    NullCanvas canvas;
    DocumentPages pages;
    for (int page = 0; page != pages.page;) {
      page = pages.page;
      DrawListPage(canvas, pages, list);
    }
    benchmark::DoNotOptimize(canvas.drawn);
    if (!status.ok() || value.retail <= 0) state.SkipWithError("list failed");
  }
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_PrintedListOfEveryItem)->Unit(benchmark::kMillisecond);

// The floor: the same file read from start to end in blocks, nothing else.
void BM_ListFileRead(benchmark::State& state) {
  bench::ReadItemFile(state, Folder(), 512 * InventoryRecord::kSize, kItems);
}
BENCHMARK(BM_ListFileRead)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ventro
