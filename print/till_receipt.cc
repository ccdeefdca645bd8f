// The till receipt, for a narrow receipt printer.
#include "base/format.h"
#include "print/code39.h"
#include "print/receipt_documents.h"
#include "print/receipt_elements.h"
#include "print/receipt_items.h"
#include "print/totals_lines.h"

namespace ventro {

void DrawTillReceipt(PrintCanvas& canvas, const ReceiptData& data, const DrawServices& services) {
  const SettingsRecord& s = data.settings;
  const BasketTotals& t = data.basket.totals;
  SelectReceiptFont(canvas, s, services.ui);
  ReceiptPage page(canvas);

  // The logo's lines come first.
  const int top = s.Get(cfg::kReceiptLogo) != 0
                      ? DrawReceiptLogo(page, services.files, services.data_folder,
                                        s.Get(cfg::kReceiptLogoPageWidth) != 0)
                      : 0;
  PrintElement(page, data, kElementStoreName, top + 1);
  PrintElement(page, data, kElementStoreAddress1, top + 2);
  PrintElement(page, data, kElementStoreAddress2, top + 3);
  PrintElement(page, data, kElementStoreTelephone, top + 4);
  page.Centred(top + 6, kDoubleRule);
  PrintElement(page, data, kElementReceipt, top + 7);
  page.Centred(top + 8, TransactionTimeAndDate(data.basket));
  PrintElement(page, data, kElementClerk, top + 9);
  page.Centred(top + 10, kSingleRule);

  const ItemStyle style = TillItemStyle(page, s);
  const int base = DrawItemsToTotal(page, data, style, top);

  PrintElement(page, data, kElementPaymentType, base + 16);
  int after = 0;  // lines after the payment line
  if (data.tendered.change > 0) PrintElement(page, data, kElementChange, base + 16 + ++after);
  if (!style.exclusive_of_tax) {
    if (t.tax1_total != 0) PrintElement(page, data, kElementTax1, base + 16 + ++after);
    if (t.tax2_total != 0) PrintElement(page, data, kElementTax2, base + 16 + ++after);
  }

  const int footer = base + after + 18;
  int footer_rows = 0;  // the rows a wrapped footer takes beyond its first
  if (s.Get(cfg::kReceiptWordWrap) != 0) {
    const PrintRect box{0, page.Y(footer), 2 * page.centre, page.Y(footer + 4)};
    const int height = canvas.TextBox(box, TextAlign::kCentre, s.Get(cfg::kReceiptFooter));
    if (height > page.line_height) footer_rows = height / page.line_height;
  } else {
    PrintElement(page, data, kElementByLine, footer);
  }

  const int last = base + footer_rows + after + 19;
  if (s.Get(cfg::kReceiptBarcode) != 0) {
    DrawBarcode(canvas, services.ui, data.basket.transaction_number, {last, page.line_height, 0});
  } else {
    page.Centred(last, "  ");
  }
}

}  // namespace ventro
