// How exported records are written: the fields of an item or a customer in export order, and
// each record as a line of comma-separated text, a line of an HTML page or an XML element.
// Plain text building; nothing here reads or writes files.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/customer_record.h"
#include "formats/inventory_record.h"

namespace ventro {

enum class ExportSource { kInventory, kCustomers };
enum class ExportFormat { kText, kHtml, kXml };

// Fields in export order: the basic fields offered one by one come first.
inline constexpr int kBasicExportFields = 10;
inline constexpr int kAllExportFields = 24;

// The header line of an inventory text export of every field, without its line end.
inline constexpr char kInventoryExportHeader[] =
    "Number,Description,SKU1,SKU2,Cost,DisplayCat,Retail,Quantity,Reorder,Tax,Category,Format,"
    "Last,MinOrder,SKU3,SKU4,Location,Website,WebImage,Trade,OrderCode,Added,Sold,Notes";

// One field's value ready to be written.
struct ExportValue {
  enum class Kind { kText, kNumber, kTaxCode };
  Kind kind = Kind::kText;
  std::string text;  // the stored text, or the number as written
};

using ExportValues = std::array<ExportValue, kAllExportFields>;

ExportValues InventoryExportValues(const InventoryRecord& item);
ExportValues CustomerExportValues(const CustomerRecord& customer);
// The same into `values`, whose strings are reused: no allocation from one record to the next.
void FillInventoryExportValues(const InventoryRecord& item, ExportValues& values);
void FillCustomerExportValues(const CustomerRecord& customer, ExportValues& values);

// Which fields a text or HTML export writes.
struct FieldSelection {
  std::array<bool, kBasicExportFields> basic{};
  bool entire = false;  // every field, whatever `basic` holds

  bool Selected(int field) const { return entire || (field < kBasicExportFields && basic[field]); }
};

struct HtmlOptions {
  bool bold_number = true;
  bool bold_title = true;
  int text_size = 0;  // 0 small, 1 medium, 2 large
};

// A text line: the selected values separated by commas, texts quoted where they must be,
// ended by CR LF.
std::string TextExportLine(const ExportValues& values, const FieldSelection& selection);
// The same line added to the end of `out`.
void AppendTextExportLine(std::string& out, const ExportValues& values,
                          const FieldSelection& selection);

std::string HtmlExportStart(const HtmlOptions& options);
std::string HtmlExportLine(ExportSource source, const ExportValues& values,
                           const FieldSelection& selection, const HtmlOptions& options);
inline constexpr char kHtmlExportEnd[] = "</BODY></HTML>";

// `text` with &, < and > written as entities.
std::string HtmlEscaped(const std::string& text);
// `text` with the five XML entities; control characters, which XML does not allow, as spaces.
std::string XmlEscaped(const std::string& text);

inline constexpr char kXmlExportStart[] =
    "<?xml version=\"1.0\" encoding=\"WINDOWS-1252\"?>\r\n<document>\r\n";
inline constexpr char kXmlExportEnd[] = "</document>";
std::string XmlItem(const InventoryRecord& item);
std::string XmlCustomer(const CustomerRecord& customer);

}  // namespace ventro
