#include "exchange/export_command.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/format.h"
#include "exchange/export_layout.h"
#include "exchange/export_writer.h"
#include "platform/tell.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";

// Category and HTML controls are live only while they apply.
void EnableExportControls(Dialog& dialog) {
  const bool items = dialog.Field("source").choice == 0;
  const bool html = dialog.Field("format").choice == 1;
  dialog.Field("type").enabled = items;
  dialog.Field("category").enabled = items && dialog.Field("type").choice == 1;
  dialog.Field("bold_number").enabled = html;
  dialog.Field("bold_title").enabled = html;
  dialog.Field("size").enabled = html;
}

std::optional<ExportChoice> AskExportChoice(const ExchangeDesk& desk) {
  const std::vector<IndexEntry>& entries = desk.inventory.index().entries();
  const int64_t highest = entries.empty() ? 0 : entries.back().number;
  std::vector<std::string> categories;
  for (int c = 0; c < SettingsRecord::kCategoryCount; ++c) {
    categories.push_back(desk.settings.CategoryCode(c));
  }
  Dialog dialog;
  dialog.name = "EXPORT";
  dialog.title = "Export";
  dialog.Add(TextField("start", "Start", "1", 20));
  dialog.Add(
      TextField("finish", "Finish", StringPrintf("%lld", static_cast<long long>(highest)), 20));
  dialog.Add(ChoiceField("source", "Source", {"Inventory", "Customers"}, 0));
  dialog.Add(ChoiceField("format", "Format", {"Text", "HTML", "XML"}, 0));
  dialog.Add(ChoiceField("type", "Inventory type", {"All", "Category"}, 0));
  dialog.Add(ChoiceField("category", "Category", categories, 0));
  dialog.Add(CheckField("bold_number", "Bold number", true));
  dialog.Add(CheckField("bold_title", "Bold title", true));
  dialog.Add(ChoiceField("size", "Text size", {"Small", "Medium", "Large"}, 0));
  EnableExportControls(dialog);
  dialog.on_change = [](Dialog& d, const std::string&) { EnableExportControls(d); };
  if (!desk.ui().RunDialog(dialog)) return std::nullopt;

  ExportChoice choice;
  choice.start = AtoI64(dialog.Field("start").text);
  choice.finish = AtoI64(dialog.Field("finish").text);
  choice.source =
      dialog.Field("source").choice == 1 ? ExportSource::kCustomers : ExportSource::kInventory;
  const int format = dialog.Field("format").choice;
  choice.format = format == 1   ? ExportFormat::kHtml
                  : format == 2 ? ExportFormat::kXml
                                : ExportFormat::kText;
  if (choice.source == ExportSource::kInventory && dialog.Field("type").choice == 1) {
    choice.category = dialog.Field("category").choice;
  }
  choice.html.bold_number = dialog.Field("bold_number").checked;
  choice.html.bold_title = dialog.Field("bold_title").checked;
  choice.html.text_size = std::max(0, dialog.Field("size").choice);
  return choice;
}

constexpr const char* kItemFieldLabels[kBasicExportFields] = {
    "Number",           "Description",  "SKU 1",    "SKU 2",         "Cost",
    "Display category", "Retail price", "In stock", "Reorder level", "Taxable"};
constexpr const char* kCustomerFieldLabels[kBasicExportFields] = {
    "Number",    "Company",   "Address 1", "Address 2", "Address 3",
    "Address 4", "Telephone", "Taxable",   "Balance",   "Credit limit"};

std::string FieldKey(int field) { return StringPrintf("field%d", field + 1); }

std::optional<FieldSelection> AskFields(Ui& ui, ExportSource source) {
  const bool items = source == ExportSource::kInventory;
  Dialog dialog;
  dialog.name = items ? "EXSE00" : "EXSE02";
  dialog.title = "Select fields";
  for (int i = 0; i < kBasicExportFields; ++i) {
    dialog.Add(
        CheckField(FieldKey(i), items ? kItemFieldLabels[i] : kCustomerFieldLabels[i], true));
  }
  dialog.Add(CheckField("entire", "Export entire", false));
  if (!ui.RunDialog(dialog)) return std::nullopt;
  FieldSelection selection;
  for (int i = 0; i < kBasicExportFields; ++i) {
    selection.basic[static_cast<size_t>(i)] = dialog.Field(FieldKey(i)).checked;
  }
  selection.entire = dialog.Field("entire").checked;
  return selection;
}

std::string SuggestedName(const ExportChoice& choice) {
  const std::string base = choice.source == ExportSource::kInventory ? "INVENTOR" : "CUSTOMER";
  switch (choice.format) {
    case ExportFormat::kHtml:
      return base + ".HTM";
    case ExportFormat::kXml:
      return base + ".XML";
    case ExportFormat::kText:
      break;
  }
  return base + ".TXT";
}

std::string Filter(ExportFormat format) {
  switch (format) {
    case ExportFormat::kHtml:
      return "HTML files (*.HTM)";
    case ExportFormat::kXml:
      return "XML files (*.XML)";
    case ExportFormat::kText:
      break;
  }
  return "Text files (*.TXT)";
}

}  // namespace

void ExportRecords(const ExchangeDesk& desk) {
  Ui& ui = desk.ui();
  std::optional<ExportChoice> choice = AskExportChoice(desk);
  if (!choice) return;
  if (choice->start < 1 || choice->finish < choice->start) {
    ui.Message(kProblem, "Invalid range", Icon::kWarning);
    return;
  }
  FieldSelection selection;
  if (choice->format != ExportFormat::kXml) {
    std::optional<FieldSelection> chosen = AskFields(ui, choice->source);
    if (!chosen) return;
    selection = *chosen;
  }
  const MasterFile& master =
      choice->source == ExportSource::kInventory ? desk.inventory : desk.customers;
  const std::vector<IndexEntry>& entries = master.index().entries();
  const size_t first = master.index().FindSlot(choice->start);
  if (first >= entries.size() || entries[first].number > choice->finish) {
    ui.Message(kProblem, "No items in range.", Icon::kWarning);
    return;
  }
  std::optional<Path> target =
      ui.SaveFileName("Export", Filter(choice->format), SuggestedName(*choice));
  if (!target) return;

  if (!Tell(ui, WriteExportFile(desk.files(), master, *choice, selection, *target))) return;
  ui.Message("File export", "Complete.", Icon::kInformation);
}

}  // namespace ventro
