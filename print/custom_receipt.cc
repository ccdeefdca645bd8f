// The custom receipt: the elements on the lines the shop chose in the "Custom receipt"
// dialog.
#include <algorithm>
#include <array>

#include "base/format.h"
#include "print/code39.h"
#include "print/receipt_documents.h"
#include "print/receipt_elements.h"
#include "print/receipt_items.h"

namespace ventro {
namespace {

constexpr int kLabelDiscount = 4;
constexpr int kItemsGap = 2;  // lines between the last header line and the first item
constexpr int kSideMargin = 20;

constexpr std::array kHeaderElements = {
    kElementStoreName,     kElementStoreAddress1,  kElementStoreAddress2, kElementStoreAddress3,
    kElementStoreAddress4, kElementStoreTelephone, kElementDate,          kElementCustomerNumber,
    kElementCustomerName,  kElementClerk,          kElementReceipt,       kElementText1,
};
constexpr std::array kCustomerElements = {kElementAddress1, kElementAddress2, kElementAddress3,
                                          kElementAddress4, kElementCustomerPhone};
constexpr std::array kFooterElements = {
    kElementByLine, kElementNonTaxable, kElementTaxable,     kElementTax1,
    kElementTax2,   kElementTotal,      kElementTendered,    kElementChange,
    kElementText2,  kElementText3,      kElementPaymentType,
};

}  // namespace

void DrawCustomReceipt(PrintCanvas& canvas, const ReceiptData& data, const DrawServices& services) {
  const SettingsRecord& s = data.settings;
  const Basket& basket = data.basket;
  SelectReceiptFont(canvas, s, services.ui);
  ReceiptPage page(canvas);

  int top = 0;
  if (s.Get(cfg::kCustomReceiptOmitLogo) == 0) {
    top = DrawReceiptLogo(page, services.files, services.data_folder,
                          s.Get(cfg::kReceiptLogoPageWidth) != 0);
  }

  const bool has_customer = basket.customer_number != 0;
  int header_end = 0;  // the largest header line used
  auto header = [&](int element) {
    const int line = CustomLayoutLine(s, element);
    if (line < 1) return;
    header_end = std::max(header_end, line);
    if (element == kElementDate) {
      page.Centred(top + line, TransactionTimeAndDate(basket));
    } else {
      PrintElement(page, data, element, top + line);
    }
  };
  for (int element : kHeaderElements) {
    if (!has_customer && (element == kElementCustomerNumber || element == kElementCustomerName)) {
      continue;
    }
    header(element);
  }
  if (has_customer) {
    for (int element : kCustomerElements) header(element);
  }

  ItemStyle style;
  style.layout =
      s.Get(cfg::kCustomReceiptItemsCentred) != 0 ? ItemLayout::kCentred : ItemLayout::kTwoLine;
  style.exclusive_of_tax = s.Get(cfg::kCustomReceiptExcludingTax) == 2;
  style.mark_exempt = s.Get(cfg::kCustomReceiptMarkExempt) != 0;
  style.left = kSideMargin;
  style.right = 2 * page.centre - kSideMargin;
  const int first_item = top + header_end + kItemsGap;
  const int rows = DrawItems(page, basket, MergedQuantities(basket), style, first_item);

  int last_item = first_item + rows - 1;
  if (basket.totals.discount_total != 0) {
    ++last_item;
    canvas.Text(kSideMargin, page.Y(last_item), TextAlign::kLeft,
                "(" + data.labels.Label(kLabelDiscount) + ": " +
                    FormatAmount(basket.totals.discount_total) + ")");
  }

  int footer_end = 0;  // the largest footer line used
  const bool second_currency = s.Get(cfg::kCustomReceiptSecondCurrency) != 0;
  for (int element : kFooterElements) {
    const int line = CustomLayoutLine(s, element);
    if (line < 1) continue;
    footer_end = std::max(footer_end, line);
    PrintElement(page, data, element, last_item + line, ElementPlace::kAtLine,
                 element == kElementTotal && second_currency);
  }
  const int note_line = CustomNoteLine(s);
  const std::string note = TextOf(basket.texts.note);
  if (note_line > 0 && !note.empty()) {
    const int line = last_item + note_line;
    canvas.TextBox({0, page.Y(line), 2 * page.centre, page.Y(line + 4)}, TextAlign::kCentre, note);
  }

  // The barcode's top comes 2 lines below the last line used.
  const int end = last_item + footer_end;
  if (s.Get(cfg::kCustomReceiptBarcode) != 0) {
    DrawBarcode(canvas, services.ui, basket.transaction_number, {end, page.line_height, 0});
  } else {
    const int blank_lines = std::clamp(s.Get(cfg::kCustomReceiptBlankLines), 0, 19) + 1;
    for (int k = 1; k <= blank_lines; ++k) page.Centred(end + k, "  ");
  }
}

}  // namespace ventro
