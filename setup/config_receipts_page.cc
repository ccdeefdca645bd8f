#include "setup/config_receipts_page.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "setup/config_fields.h"

namespace ventro {
namespace {

constexpr int32_t kOn = 2;
constexpr size_t kFooterLength = 252;
constexpr int kAutoReceiptCount = 5;
constexpr int kCopiesCount = 3;
constexpr int kFontSizeCount = 5;
constexpr int32_t kTwoLineLayout = 2;

// The rows of both printer lists: "Default" (the empty name), the system's printers, and the
// stored names the system does not list.
std::vector<std::string> PrinterRows(const ConfigSheetContext& context, const SettingsRecord& s) {
  std::vector<std::string> rows = {"Default"};
  if (context.platform) {
    std::optional<std::vector<std::string>> names = context.platform->raw_printer.PrinterNames();
    if (names) {
      rows.insert(rows.end(), names->begin(), names->end());
    } else {
      context.ui.Message("Problem", "Unable to get printers", Icon::kWarning);
    }
  }
  for (const std::string& stored :
       {s.Get(cfg::kReceiptPrinterName), s.Get(cfg::kKitchenPrinterName)}) {
    if (!stored.empty() && std::find(rows.begin() + 1, rows.end(), stored) == rows.end()) {
      rows.push_back(stored);
    }
  }
  return rows;
}

int RowOf(const std::vector<std::string>& rows, const std::string& name) {
  if (name.empty()) return 0;
  auto found = std::find(rows.begin() + 1, rows.end(), name);
  return found == rows.end() ? 0 : static_cast<int>(found - rows.begin());
}

int Choice(int32_t stored, int count) { return stored >= 0 && stored < count ? stored : 0; }

void Build(const ConfigSheetContext& context, const SettingsRecord& s, Dialog& d) {
  const std::vector<std::string> rows = PrinterRows(context, s);
  d.Add(ChoiceField("receipt_printer", "Receipt printer", rows,
                    RowOf(rows, s.Get(cfg::kReceiptPrinterName))));
  d.Add(ChoiceField("kitchen_printer", "Kitchen printer", rows,
                    RowOf(rows, s.Get(cfg::kKitchenPrinterName))));
  d.Add(
      ChoiceField("auto_receipt", "Auto receipt",
                  {"None", "Till receipt", "Standard invoice", "Custom invoice", "Custom receipt"},
                  Choice(s.Get(cfg::kAutoReceipt), kAutoReceiptCount)));
  d.Add(ChoiceField("copies", "Copies", {"1 copy", "2", "3"},
                    Choice(s.Get(cfg::kReceiptCopies), kCopiesCount)));
  d.Add(CheckField("omit_confirm", "Omit print confirm", s.Get(cfg::kPrintConfirm) == 0));
  d.Add(CheckField("limit_description", "Limit item description to 20 characters",
                   s.Get(cfg::kReceiptDescriptionLimit) != 0));
  d.Add(CheckField("kitchen_receipt", "Auto print additional receipt to kitchen printer",
                   s.Get(cfg::kKitchenReceipt) != 0));
  d.Add(ChoiceField("font_size", "Receipt font size",
                    {"Printer default", "9 point", "10 point", "11 point", "12 point"},
                    Choice(s.Get(cfg::kReceiptFontSize), kFontSizeCount)));
  d.Add(CheckField("items_centred",
                   "Justify the items centred (default is description on left, price on right)",
                   s.Get(cfg::kReceiptItemsCentred) != 0));
  d.Add(CheckField("logo",
                   "Include logo (requires receipt.bmp in VENTRO folder). Printed to half page "
                   "width.",
                   s.Get(cfg::kReceiptLogo) != 0));
  d.Add(
      CheckField("logo_page_width", "Print to page width", s.Get(cfg::kReceiptLogoPageWidth) != 0));
  d.Add(CheckField("barcode", "Include barcode", s.Get(cfg::kReceiptBarcode) != 0));
  d.Add(TextField("footer", "Footer text (up to 252 characters).", s.Get(cfg::kReceiptFooter),
                  kFooterLength));
  d.Add(CheckField("exclusive",
                   "Receipt items exclusive of tax with subtotal (default inclusive, no "
                   "subtotal).",
                   s.Get(cfg::kReceiptExclusiveSubtotal) != 0));
  d.Add(CheckField("word_wrap", "Wordwrap", s.Get(cfg::kReceiptWordWrap) != 0));
  d.Add(CheckField("single_line", "Items show detail and quantity on a single line with heading",
                   s.Get(cfg::kReceiptItemLayout) == 0));
}

void Apply(const ConfigSheetContext&, const Dialog& d, SettingsRecord& s) {
  const DialogField& receipt = d.Field("receipt_printer");
  const int rows = static_cast<int>(receipt.options.size());
  const int receipt_row = FieldChoice(d, "receipt_printer", rows);
  if (receipt_row >= 0) {
    s.Set(cfg::kReceiptPrinterIndex, receipt_row);
    s.Set(cfg::kReceiptPrinterName, receipt_row == 0 ? "" : receipt.options[receipt_row]);
  }
  const int kitchen_row = FieldChoice(d, "kitchen_printer", rows);
  if (kitchen_row >= 0) {
    s.Set(cfg::kKitchenPrinterIndex, kitchen_row);
    s.Set(cfg::kKitchenPrinterName,
          kitchen_row == 0 ? "" : d.Field("kitchen_printer").options[kitchen_row]);
  }
  const int auto_receipt = FieldChoice(d, "auto_receipt", kAutoReceiptCount);
  if (auto_receipt >= 0) s.Set(cfg::kAutoReceipt, auto_receipt);
  const int copies = FieldChoice(d, "copies", kCopiesCount);
  if (copies >= 0) s.Set(cfg::kReceiptCopies, copies);
  s.Set(cfg::kPrintConfirm, d.Field("omit_confirm").checked ? 0 : 1);
  s.Set(cfg::kReceiptDescriptionLimit, d.Field("limit_description").checked ? kOn : 0);
  s.Set(cfg::kKitchenReceipt, d.Field("kitchen_receipt").checked ? kOn : 0);
  const int font_size = FieldChoice(d, "font_size", kFontSizeCount);
  if (font_size >= 0) s.Set(cfg::kReceiptFontSize, font_size);
  s.Set(cfg::kReceiptItemsCentred, d.Field("items_centred").checked ? kOn : 0);
  s.Set(cfg::kReceiptLogo, d.Field("logo").checked ? kOn : 0);
  s.Set(cfg::kReceiptLogoPageWidth, d.Field("logo_page_width").checked ? kOn : 0);
  s.Set(cfg::kReceiptBarcode, d.Field("barcode").checked ? kOn : 0);
  s.Set(cfg::kReceiptFooter, FieldText(d, "footer"));
  s.Set(cfg::kReceiptExclusiveSubtotal, d.Field("exclusive").checked ? kOn : 0);
  s.Set(cfg::kReceiptWordWrap, d.Field("word_wrap").checked ? kOn : 0);
  s.Set(cfg::kReceiptItemLayout, d.Field("single_line").checked ? 0 : kTwoLineLayout);
}

}  // namespace

ConfigPage ReceiptsConfigPage() { return {"Receipts", Build, Apply, nullptr}; }

}  // namespace ventro
