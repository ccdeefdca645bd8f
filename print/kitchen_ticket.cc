// The kitchen ticket: what the table ordered, for the kitchen's printer.
#include "base/format.h"
#include "platform/clock_text.h"
#include "print/receipt_documents.h"
#include "print/receipt_elements.h"
#include "print/receipt_items.h"
#include "print/totals_lines.h"

namespace ventro {

void DrawKitchenTicket(PrintCanvas& canvas, const ReceiptData& data, const DrawServices& services) {
  const SettingsRecord& s = data.settings;
  const BasketTotals& t = data.basket.totals;
  const LocalTime& now = data.now;
  SelectReceiptFont(canvas, s, services.ui);
  ReceiptPage page(canvas);

  const int clerk = static_cast<int>(s.Get(cfg::kSignedOnClerk));
  page.Centred(4, StringPrintf("Table: %d", data.basket_number));
  page.Centred(5, kDoubleRule);
  page.Centred(6, StringPrintf("%02d:%02d", now.hour, now.minute));
  page.Centred(7, DisplayDate(data.locale, now.day, now.month, now.year, now));
  page.Centred(8, StringPrintf("Associate: %d: ", clerk) + s.Get(cfg::kClerkName, clerk));
  page.Centred(9, kSingleRule);

  const ItemStyle style = TillItemStyle(page, s);
  const int base = DrawItemsToTotal(page, data, style, 0);

  int after = 0;  // tax lines
  if (!style.exclusive_of_tax) {
    if (t.tax1_total != 0) PrintElement(page, data, kElementTax1, base + 16 + after++);
    if (t.tax2_total != 0) PrintElement(page, data, kElementTax2, base + 16 + after++);
  }
  page.Centred(base + after + 16, "Transaction note:");
  const std::string note = TextOf(data.basket.texts.note);
  if (!note.empty()) {
    const int first = base + after + 17;
    canvas.TextBox({0, page.Y(first), 2 * page.centre, page.Y(first + 3)}, TextAlign::kCentre,
                   note);
  }
}

}  // namespace ventro
