#include "print/barcode_labels.h"

#include <optional>
#include <string>
#include <vector>

#include "base/format.h"
#include "platform/tell.h"
#include "print/label_feed.h"
#include "print/label_sheet.h"
#include "print/print_job.h"
#include "setup/config_fields.h"

namespace ventro {
namespace {

// The ends of the text size slider, in lines per page.
constexpr int64_t kLargestText = 10;
constexpr int64_t kTiniestText = 200;
constexpr size_t kRangeDigits = 20;
constexpr size_t kLayoutDigits = 6;

std::string Number(int64_t value) { return StringPrintf("%lld", static_cast<long long>(value)); }

DialogField InGroup(DialogField field, const char* group) {
  field.group = group;
  return field;
}

void OnFormatChosen(Dialog& dialog) {
  const int choice = FieldChoice(dialog, "format", 3);
  const auto format = static_cast<LabelFormat>(choice < 0 ? 0 : choice);
  const LabelFormatSize size = FormatSize(format);
  dialog.Field("label_height").text = Number(size.label_height);
  dialog.Field("per_sheet").text = Number(size.per_sheet);
  dialog.Field("origin_x").enabled = format == LabelFormat::kVideoSpine;
}

void OnChange(Dialog& dialog, const std::string& key) {
  if (key == "source") {
    dialog.Field("quantity").enabled =
        FieldChoice(dialog, "source", 4) == static_cast<int>(LabelSource::kRepeat);
  } else if (key == "format") {
    OnFormatChosen(dialog);
  } else if (key == "symbol") {
    const bool ean = FieldChoice(dialog, "symbol", 2) == static_cast<int>(LabelSymbol::kEan13);
    dialog.Field("element_width").text =
        Number(SymbolElementWidth(ean ? LabelSymbol::kEan13 : LabelSymbol::kCode39));
  }
}

int64_t Typed(const Dialog& dialog, const char* key) { return AtoI64(FieldText(dialog, key)); }

// The text size as the slider holds it: 0 for the printer's own font, else 10 to 200.
int64_t TextSizeOf(const Dialog& dialog) {
  if (dialog.Field("printer_default").checked) return 0;
  const int64_t typed = Typed(dialog, "size");
  return typed < kLargestText ? kLargestText : typed > kTiniestText ? kTiniestText : typed;
}

const MasterFile* RecordsOf(const LabelDesk& desk, LabelSource source) {
  switch (source) {
    case LabelSource::kInventory:
    case LabelSource::kRepeat:
      return &desk.inventory;
    case LabelSource::kCustomers:
      return &desk.customers;
    case LabelSource::kPlainNumbers:
      break;
  }
  return nullptr;
}

// Everything that keeps the job from printing, in the order the user is told.
Status CheckJob(const LabelDesk& desk, const LabelJob& job) {
  if (Status range = CheckLabelRange(job); !range.ok()) return range;
  const MasterFile* records = RecordsOf(desk, job.source);
  if (!records) return Status::Ok();
  if (records->path().empty() || !desk.platform.files.Exists(records->path())) {
    return Status::Failed("Fatal error",
                          std::string("Data file: ") + records->file_name() + ", not present.");
  }
  if (job.source == LabelSource::kRepeat && !records->FindPosition(job.start)) {
    return Status::Failed("Problem", "Invalid range", Severity::kWarning);
  }
  return Status::Ok();
}

}  // namespace

Dialog LabelDialog(int64_t lines_per_page) {
  const LabelJob usual;
  Dialog dialog;
  dialog.name = "BARKODE";
  dialog.title = "Barcode print";
  dialog.Add(
      InGroup(NumberField("start", "Range start", Number(usual.start), kRangeDigits), "Range"));
  dialog.Add(
      InGroup(NumberField("finish", "Range finish", Number(usual.finish), kRangeDigits), "Range"));
  dialog.Add(InGroup(ChoiceField("source", "Source",
                                 {"Inventory", "Customers", "All values in the range",
                                  "Repeat of inventory barcode in start box"},
                                 0),
                     "Source"));
  DialogField quantity = NumberField("quantity", "Quantity", Number(usual.quantity), 9);
  quantity.enabled = false;
  dialog.Add(InGroup(std::move(quantity), "Source"));
  dialog.Add(InGroup(
      ChoiceField("format", "Format", {"Video spine", "Two column", "Three column"}, 0), "Format"));
  auto layout = [&](const char* key, const char* label, int value) {
    dialog.Add(InGroup(NumberField(key, label, Number(value), kLayoutDigits), "Format"));
  };
  layout("origin_x", "Origin X", usual.origin_x);
  layout("origin_y", "Origin Y", usual.origin_y);
  layout("label_height", "Label height", usual.label_height);
  layout("per_sheet", "Labels per sheet", usual.per_sheet);
  layout("from_centre", "From centre (three column)", usual.from_centre);
  layout("element_width", "Element width", usual.element_width);
  dialog.Add(InGroup(ChoiceField("symbol", "Barcode type", {"EAN (UPC A)", "Code 39"}, 1),
                     "Barcode type"));
  dialog.Add(InGroup(CheckField("price", "Include price", usual.price), "Text"));
  dialog.Add(InGroup(ChoiceField("price_tax", "Price", {"With tax", "Without tax"}, 0), "Text"));
  dialog.Add(InGroup(CheckField("store_name", "Include store name (video spine)", usual.store_name),
                     "Text"));
  dialog.Add(InGroup(
      CheckField("text_below", "Position text below (video spine)", usual.text_below), "Text"));
  const int64_t shown = lines_per_page < kLargestText   ? kLargestText
                        : lines_per_page > kTiniestText ? kTiniestText
                                                        : lines_per_page;
  dialog.Add(InGroup(NumberField("size", "Text size (10 Large to 200 Tiny)", Number(shown), 3),
                     "Text size"));
  dialog.Add(InGroup(CheckField("printer_default", "Use the printer default", lines_per_page == 0),
                     "Text size"));
  dialog.on_change = OnChange;
  return dialog;
}

LabelJob JobOfDialog(const Dialog& dialog) {
  LabelJob job;
  job.start = Typed(dialog, "start");
  job.finish = Typed(dialog, "finish");
  const int source = FieldChoice(dialog, "source", 4);
  job.source = static_cast<LabelSource>(source < 0 ? 0 : source);
  job.quantity = Typed(dialog, "quantity");
  const int format = FieldChoice(dialog, "format", 3);
  job.format = static_cast<LabelFormat>(format < 0 ? 0 : format);
  job.symbol = FieldChoice(dialog, "symbol", 2) == 0 ? LabelSymbol::kEan13 : LabelSymbol::kCode39;
  job.origin_x = OriginOrFallback(Typed(dialog, "origin_x"), 3600);
  job.origin_y = OriginOrFallback(Typed(dialog, "origin_y"), 400);
  job.label_height = LabelHeightOrFallback(Typed(dialog, "label_height"));
  job.per_sheet = PerSheetOrFallback(Typed(dialog, "per_sheet"));
  job.from_centre = FromCentreOrFallback(Typed(dialog, "from_centre"));
  job.element_width = ElementWidthOrFallback(Typed(dialog, "element_width"));
  job.price = dialog.Field("price").checked;
  job.price_without_tax = FieldChoice(dialog, "price_tax", 2) == 1;
  job.store_name = dialog.Field("store_name").checked;
  job.text_below = dialog.Field("text_below").checked;
  return job;
}

void PrintBarcodeLabels(const LabelDesk& desk) {
  Ui& ui = desk.platform.ui;
  Dialog dialog = LabelDialog(desk.settings.Get(cfg::kListingLinesPerPage));
  if (!ui.RunDialog(dialog) || !dialog.Pressed("OK")) return;
  const int64_t lines_per_page = TextSizeOf(dialog);
  desk.settings.Set(cfg::kListingLinesPerPage, lines_per_page);

  const LabelJob job = JobOfDialog(dialog);
  if (Status checked = CheckJob(desk, job); !checked.ok()) {
    Tell(ui, checked);
    return;
  }
  LabelWording wording{desk.settings.Get(cfg::kHeadingLine, 1),
                       desk.settings.Get(cfg::kCurrencySymbol), TaxRulesFrom(desk.settings)};
  LabelFeed feed(job, std::move(wording), desk.platform.files, RecordsOf(desk, job.source));
  if (feed.AtEnd()) {
    ui.Message("Finished", "No match found", Icon::kInformation);
    return;
  }
  std::optional<PrintTarget> target = RunPrintDialog(ui, desk.platform.raw_printer);
  if (!target) return;

  bool no_resolution = false;
  PrintCopiesWithCancelBox(
      desk.platform, *target, "labels",
      [&](PrintCanvas& canvas, DocumentPages& pages) {
        if (pages.page == 1) feed.Restart();  // each copy prints the whole job
        const DeviceCaps caps = canvas.Caps();
        if (caps.dpi_x <= 0 || caps.dpi_y <= 0) {
          no_resolution = true;
          return;
        }
        if (DrawLabelSheet(canvas, job, feed, ListingFont(caps, lines_per_page))) ++pages.page;
      },
      PageGuard::kOff);
  if (no_resolution) ui.Message("Problem", "Unable to get printer", Icon::kWarning);
  Tell(ui, feed.status());
}

}  // namespace ventro
