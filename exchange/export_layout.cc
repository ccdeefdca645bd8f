#include "exchange/export_layout.h"

#include <cstddef>
#include <string_view>
#include <utility>

#include "base/csv.h"
#include "base/format.h"

namespace ventro {
namespace {

using Kind = ExportValue::Kind;

ExportValue Text(std::string text) { return {Kind::kText, std::move(text)}; }
ExportValue Amount(double value) { return {Kind::kNumber, FormatAmount(value)}; }
ExportValue Whole(int64_t value) {
  return {Kind::kNumber, StringPrintf("%lld", static_cast<long long>(value))};
}

}  // namespace

ExportValues InventoryExportValues(const InventoryRecord& item) {
  return {Whole(item.Get(inv::kNumber)),
          Text(item.Get(inv::kDescription)),
          Text(item.Get(inv::kSku1)),
          Text(item.Get(inv::kSku2)),
          Amount(item.Get(inv::kCostPrice)),
          Whole(item.Get(inv::kDisplayCategory)),
          Amount(item.Get(inv::kRetailPrice)),
          Whole(item.Get(inv::kQuantity)),
          Whole(item.Get(inv::kReorderQuantity)),
          ExportValue{Kind::kTaxCode, StringPrintf("%d", item.Get(inv::kTax))},
          Text(item.Get(inv::kCategory)),
          Text(item.Get(inv::kFormat)),
          Text(item.Get(inv::kLastUsed)),
          Whole(item.Get(inv::kMinimumOrder)),
          Text(item.Get(inv::kSku3)),
          Text(item.Get(inv::kSku4)),
          Text(item.Get(inv::kLocation)),
          Text(item.Get(inv::kWebsite)),
          Text(item.Get(inv::kWebImage)),
          Amount(item.Get(inv::kTradePrice)),
          Text(item.Get(inv::kOrderCode)),
          Text(item.Get(inv::kDateAdded)),
          Whole(item.Get(inv::kTotalSold)),
          Text(item.Get(inv::kNotes))};
}

ExportValues CustomerExportValues(const CustomerRecord& customer) {
  return {Whole(customer.Get(cust::kNumber)),     Text(customer.Get(cust::kName)),
          Text(customer.Get(cust::kRoad)),        Text(customer.Get(cust::kArea)),
          Text(customer.Get(cust::kTown)),        Text(customer.Get(cust::kPostcode)),
          Text(customer.Get(cust::kTelephone)),   Whole(customer.Get(cust::kTax)),
          Amount(customer.Get(cust::kBalance)),   Amount(customer.Get(cust::kCreditLimit)),
          Text(customer.Get(cust::kTelephone2)),  Text(customer.Get(cust::kEmail)),
          Text(customer.Get(cust::kComment)),     Text(customer.Get(cust::kComment2)),
          Text(customer.Get(cust::kContact)),     Text(customer.Get(cust::kNotes)),
          Text(customer.Get(cust::kCreditCard)),  Text(customer.Get(cust::kCreditCardExpiry)),
          Text(customer.Get(cust::kCreditCard2)), Text(customer.Get(cust::kCreditCard2Expiry)),
          Whole(customer.Get(cust::kGroup)),      Amount(customer.Get(cust::kTotalPurchases)),
          Whole(customer.Get(cust::kTerms)),      Whole(customer.Get(cust::kTransactions))};
}

std::string TextExportLine(const ExportValues& values, const FieldSelection& selection) {
  std::string line;
  for (int i = 0; i < kAllExportFields; ++i) {
    if (!selection.Selected(i)) continue;
    const ExportValue& value = values[static_cast<size_t>(i)];
    // The tax code is written as stored, so that an import gives back codes 2 and 3 too.
    line += value.kind == Kind::kText ? CsvField(value.text) : value.text;
    line += ',';
  }
  if (!line.empty()) line.pop_back();
  line += "\r\n";
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
