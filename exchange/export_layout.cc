#include "exchange/export_layout.h"

#include <charconv>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <string_view>
#include <utility>

#include "base/csv.h"
#include "base/format.h"

namespace ventro {
namespace {

using Kind = ExportValue::Kind;

// Each setter reuses the value's string, so that filling the values of one record after
// another allocates nothing.
template <class Field>
void SetText(ExportValue& value, const uint8_t* record, const Field& field) {
  const char* start = reinterpret_cast<const char*>(record + field.offset);
  value.kind = Kind::kText;
  value.text.assign(start, strnlen(start, field.width));
}

void SetWhole(ExportValue& value, int64_t number, Kind kind = Kind::kNumber) {
  char digits[24];
  const auto written = std::to_chars(std::begin(digits), std::end(digits), number);
  value.kind = kind;
  value.text.assign(digits, written.ptr);
}

void SetAmount(ExportValue& value, double amount) {
  value.kind = Kind::kNumber;
  value.text = FormatAmount(amount);
}

}  // namespace

void FillInventoryExportValues(const InventoryRecord& item, ExportValues& values) {
  const uint8_t* record = item.data();
  SetWhole(values[0], item.Get(inv::kNumber));
  SetText(values[1], record, inv::kDescription);
  SetText(values[2], record, inv::kSku1);
  SetText(values[3], record, inv::kSku2);
  SetAmount(values[4], item.Get(inv::kCostPrice));
  SetWhole(values[5], item.Get(inv::kDisplayCategory));
  SetAmount(values[6], item.Get(inv::kRetailPrice));
  SetWhole(values[7], item.Get(inv::kQuantity));
  SetWhole(values[8], item.Get(inv::kReorderQuantity));
  SetWhole(values[9], item.Get(inv::kTax), Kind::kTaxCode);
  SetText(values[10], record, inv::kCategory);
  SetText(values[11], record, inv::kFormat);
  SetText(values[12], record, inv::kLastUsed);
  SetWhole(values[13], item.Get(inv::kMinimumOrder));
  SetText(values[14], record, inv::kSku3);
  SetText(values[15], record, inv::kSku4);
  SetText(values[16], record, inv::kLocation);
  SetText(values[17], record, inv::kWebsite);
  SetText(values[18], record, inv::kWebImage);
  SetAmount(values[19], item.Get(inv::kTradePrice));
  SetText(values[20], record, inv::kOrderCode);
  SetText(values[21], record, inv::kDateAdded);
  SetWhole(values[22], item.Get(inv::kTotalSold));
  SetText(values[23], record, inv::kNotes);
}

void FillCustomerExportValues(const CustomerRecord& customer, ExportValues& values) {
  const uint8_t* record = customer.data();
  SetWhole(values[0], customer.Get(cust::kNumber));
  SetText(values[1], record, cust::kName);
  SetText(values[2], record, cust::kRoad);
  SetText(values[3], record, cust::kArea);
  SetText(values[4], record, cust::kTown);
  SetText(values[5], record, cust::kPostcode);
  SetText(values[6], record, cust::kTelephone);
  SetWhole(values[7], customer.Get(cust::kTax));
  SetAmount(values[8], customer.Get(cust::kBalance));
  SetAmount(values[9], customer.Get(cust::kCreditLimit));
  SetText(values[10], record, cust::kTelephone2);
  SetText(values[11], record, cust::kEmail);
  SetText(values[12], record, cust::kComment);
  SetText(values[13], record, cust::kComment2);
  SetText(values[14], record, cust::kContact);
  SetText(values[15], record, cust::kNotes);
  SetText(values[16], record, cust::kCreditCard);
  SetText(values[17], record, cust::kCreditCardExpiry);
  SetText(values[18], record, cust::kCreditCard2);
  SetText(values[19], record, cust::kCreditCard2Expiry);
  SetWhole(values[20], customer.Get(cust::kGroup));
  SetAmount(values[21], customer.Get(cust::kTotalPurchases));
  SetWhole(values[22], customer.Get(cust::kTerms));
  SetWhole(values[23], customer.Get(cust::kTransactions));
}

ExportValues InventoryExportValues(const InventoryRecord& item) {
  ExportValues values;
  FillInventoryExportValues(item, values);
  return values;
}

ExportValues CustomerExportValues(const CustomerRecord& customer) {
  ExportValues values;
  FillCustomerExportValues(customer, values);
  return values;
}

void AppendTextExportLine(std::string& out, const ExportValues& values,
                          const FieldSelection& selection) {
  bool first = true;
  for (int i = 0; i < kAllExportFields; ++i) {
    if (!selection.Selected(i)) continue;
    if (!first) out += ',';
    first = false;
    const ExportValue& value = values[static_cast<size_t>(i)];
    // The tax code is written as stored, so that an import gives back codes 2 and 3 too.
    if (value.kind == Kind::kText) {
      AppendCsvField(out, value.text);
    } else {
      out += value.text;
    }
  }
  out += "\r\n";
}

std::string TextExportLine(const ExportValues& values, const FieldSelection& selection) {
  std::string line;
  AppendTextExportLine(line, values, selection);
  return line;
}

std::string HtmlExportStart(const HtmlOptions& options) {
  return StringPrintf("<HTML><BODY>\r\n<FONT SIZE='%d'>\r\n", options.text_size + 1);
}

std::string HtmlExportLine(ExportSource source, const ExportValues& values,
                           const FieldSelection& selection, const HtmlOptions& options) {
  const bool items = source == ExportSource::kInventory;
  // The title in bold: an item's description, or a customer's name, road and area.
  const int bold_from = 1;
  const int bold_to = items ? 1 : 3;
  const bool bold_title = options.bold_title && selection.Selected(bold_from);
  std::string line;
  for (int i = 0; i < kAllExportFields; ++i) {
    if (bold_title && i == bold_from) line += "<B>";
    if (selection.Selected(i)) {
      const ExportValue& value = values[static_cast<size_t>(i)];
      if (i == 0) {
        line += options.bold_number ? "<B>" + value.text + "</B>" : value.text;
      } else if (value.kind == Kind::kTaxCode && items) {
        line += value.text == "0" ? " Non taxable" : " Taxable";
      } else {
        line += ' ';
        line += value.kind == Kind::kText ? HtmlEscaped(value.text) : value.text;
      }
    }
    if (bold_title && i == bold_to) line += "</B>";
  }
  line += "<BR>\r\n";
  return line;
}

namespace {

// `c` with the three characters markup gives a meaning written as entities.
void AppendMarkupChar(std::string& out, char c) {
  switch (c) {
    case '&':
      out += "&amp;";
      break;
    case '<':
      out += "&lt;";
      break;
    case '>':
      out += "&gt;";
      break;
    default:
      out += c;
  }
}

}  // namespace

std::string HtmlEscaped(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) AppendMarkupChar(out, c);
  return out;
}

std::string XmlEscaped(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '"') {
      out += "&quot;";
    } else if (c == '\'') {
      out += "&apos;";
    } else if (static_cast<unsigned char>(c) < 0x20) {
      out += ' ';
    } else {
      AppendMarkupChar(out, c);
    }
  }
  return out;
}

namespace {

void Element(std::string& out, std::string_view name, const std::string& value) {
  out.append("<").append(name).append(">");
  out += value;
  out.append("</").append(name).append(">\r\n");
}

void TextElement(std::string& out, std::string_view name, const std::string& value) {
  Element(out, name, XmlEscaped(value));
}

std::string Decimal(int64_t value) { return StringPrintf("%lld", static_cast<long long>(value)); }

}  // namespace

std::string XmlItem(const InventoryRecord& item) {
  std::string out = "<item>\r\n";
  Element(out, "number", Decimal(item.Get(inv::kNumber)));
  TextElement(out, "description", item.Get(inv::kDescription));
  TextElement(out, "sku1", item.Get(inv::kSku1));
  TextElement(out, "sku2", item.Get(inv::kSku2));
  TextElement(out, "sku3", item.Get(inv::kSku3));
  TextElement(out, "sku4", item.Get(inv::kSku4));
  Element(out, "cost_price", FormatAmount(item.Get(inv::kCostPrice)));
  Element(out, "trade_price", FormatAmount(item.Get(inv::kTradePrice)));
  Element(out, "retail_price", FormatAmount(item.Get(inv::kRetailPrice)));
  Element(out, "quantity", Decimal(item.Get(inv::kQuantity)));
  Element(out, "reorder_quantity", Decimal(item.Get(inv::kReorderQuantity)));
  Element(out, "tax", Decimal(item.Get(inv::kTax)));
  Element(out, "display_category", Decimal(item.Get(inv::kDisplayCategory)));
  TextElement(out, "category", item.Get(inv::kCategory));
  TextElement(out, "format", item.Get(inv::kFormat));
  TextElement(out, "date_added", item.Get(inv::kDateAdded));
  TextElement(out, "last_used", item.Get(inv::kLastUsed));
  TextElement(out, "order_code", item.Get(inv::kOrderCode));
  Element(out, "minimum_order", Decimal(item.Get(inv::kMinimumOrder)));
  Element(out, "total_sold", Decimal(item.Get(inv::kTotalSold)));
  TextElement(out, "location", item.Get(inv::kLocation));
  TextElement(out, "website", item.Get(inv::kWebsite));
  TextElement(out, "web_image", item.Get(inv::kWebImage));
  TextElement(out, "notes", item.Get(inv::kNotes));
  out += "</item>\r\n";
  return out;
}

std::string XmlCustomer(const CustomerRecord& customer) {
  std::string out = "<customer>\r\n";
  Element(out, "number", Decimal(customer.Get(cust::kNumber)));
  TextElement(out, "name", customer.Get(cust::kName));
  TextElement(out, "road", customer.Get(cust::kRoad));
  TextElement(out, "area", customer.Get(cust::kArea));
  TextElement(out, "town", customer.Get(cust::kTown));
  TextElement(out, "postcode", customer.Get(cust::kPostcode));
  TextElement(out, "telephone", customer.Get(cust::kTelephone));
  TextElement(out, "telephone_extension", customer.Get(cust::kTelephoneExtension));
  TextElement(out, "telephone2", customer.Get(cust::kTelephone2));
  TextElement(out, "contact", customer.Get(cust::kContact));
  TextElement(out, "comment", customer.Get(cust::kComment));
  TextElement(out, "comment2", customer.Get(cust::kComment2));
  Element(out, "tax", Decimal(customer.Get(cust::kTax)));
  Element(out, "transactions", Decimal(customer.Get(cust::kTransactions)));
  TextElement(out, "credit_card", customer.Get(cust::kCreditCard));
  TextElement(out, "credit_card_expiry", customer.Get(cust::kCreditCardExpiry));
  TextElement(out, "email", customer.Get(cust::kEmail));
  TextElement(out, "shipping_address_1", customer.Get(cust::kShippingAddress1));
  TextElement(out, "shipping_address_2", customer.Get(cust::kShippingAddress2));
  TextElement(out, "shipping_address_3", customer.Get(cust::kShippingAddress3));
  TextElement(out, "shipping_address_4", customer.Get(cust::kShippingAddress4));
  TextElement(out, "shipping_address_5", customer.Get(cust::kShippingAddress5));
  out += "</customer>\r\n";
  return out;
}

}  // namespace ventro
