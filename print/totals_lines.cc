#include "print/totals_lines.h"

#include "base/format.h"
#include "print/receipt_elements.h"

namespace ventro {
namespace {

constexpr int kLabelSubTotal = 2;
constexpr int kLabelDiscount = 4;

}  // namespace

int DrawTotalsLines(ReceiptPage& page, const ReceiptData& data, bool exclusive_of_tax, int line) {
  const BasketTotals& t = data.basket.totals;
  const SettingsRecord& s = data.settings;
  const bool untaxed = t.tax1_total == 0 && t.tax2_total == 0;
  const std::string sub_total =
      data.labels.Label(kLabelSubTotal) + ": " + FormatAmount(t.net_total);
  int drawn = 0;
  auto draw = [&](const std::string& text) { page.Centred(line + drawn++, text); };
  if (exclusive_of_tax && !untaxed) {
    draw(sub_total);
    if (t.tax1_total != 0) draw(s.Get(cfg::kTaxName, 1) + ": " + FormatAmount(t.tax1_total));
    if (t.tax2_total != 0) draw(s.Get(cfg::kTaxName, 2) + ": " + FormatAmount(t.tax2_total));
  }
  if (t.discount_total != 0) {
    if (untaxed) draw(sub_total);
    draw(data.labels.Label(kLabelDiscount) + ": (" + FormatAmount(t.discount_total) + ")");
  }
  return drawn;
}

int DrawItemsToTotal(ReceiptPage& page, const ReceiptData& data, const ItemStyle& style, int top) {
  if (style.layout == ItemLayout::kSingleLine) {
    DrawItemHeading(page, top + 12);
    top += 2;
  }
  const int rows = DrawItems(page, data.basket, MergedQuantities(data.basket), style, top + 12);
  // Sub total, taxes and discount, one blank row after the items.
  const int extra = DrawTotalsLines(page, data, style.exclusive_of_tax, top + rows + 13);
  const int base = top + rows + extra;
  PrintElement(page, data, kElementTotal, base + 13);
  page.Centred(base + 14, kDoubleRule);
  return base;
}

}  // namespace ventro
